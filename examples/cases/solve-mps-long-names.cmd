zep-solve examples/long-names.mps
