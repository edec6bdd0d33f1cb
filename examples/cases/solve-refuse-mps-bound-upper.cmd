zep-solve examples/refuse-mps-bound-upper.mps
