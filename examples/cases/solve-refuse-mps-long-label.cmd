zep-solve examples/refuse-mps-long-label.mps
