zep-solve -r examples/exact-flat-costs.mat
