zep-solve --fractions -xf examples/exact-flat-costs.mat
