zep-solve examples/refuse-mps-long-variable.mps
