zep-solve -xf examples/diet.mat
