zep-solve -t examples/profit.mat
