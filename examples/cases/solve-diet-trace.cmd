zep-solve -t examples/diet.mat
