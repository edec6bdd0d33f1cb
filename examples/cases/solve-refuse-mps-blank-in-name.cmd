zep-solve examples/refuse-mps-blank-in-name.mps
