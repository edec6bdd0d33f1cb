zep-solve examples/refuse-mps-semi.mps
