zep-solve examples/fixed.mps
