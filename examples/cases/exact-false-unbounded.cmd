zep-solve examples/exact-false-unbounded.mat
