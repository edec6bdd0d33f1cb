zep-solve -x examples/profit.mat
