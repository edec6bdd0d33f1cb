zep-solve examples/refuse-mps-bound-lower.mps
