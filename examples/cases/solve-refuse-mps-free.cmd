zep-solve examples/refuse-mps-free.mps
