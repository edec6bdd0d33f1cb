zep-solve examples/refuse-mps-integer-bound.mps
