zep-solve examples/refuse-mps-ranges.mps
