zep-solve examples/refuse-mps-quadratic.mps
