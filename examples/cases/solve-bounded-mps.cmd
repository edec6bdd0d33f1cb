zep-solve examples/bounded.mps
