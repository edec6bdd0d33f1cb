zep-solve examples/refuse-mps-bound-fixed.mps
