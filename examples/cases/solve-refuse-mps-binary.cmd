zep-solve examples/refuse-mps-binary.mps
