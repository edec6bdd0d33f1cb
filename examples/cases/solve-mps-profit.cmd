zep-solve examples/profit.mps
