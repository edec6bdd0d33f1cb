zep-solve examples/free.mps
