zep-solve --fractions -txf examples/thirds-sevenths.mat
