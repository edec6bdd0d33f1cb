zep-solve examples/ranged.mps
