zep-solve examples/exact-flat-costs.mat
