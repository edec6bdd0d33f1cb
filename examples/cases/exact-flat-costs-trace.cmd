zep-solve -x examples/exact-flat-costs.mat
