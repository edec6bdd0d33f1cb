zep-solve -i examples/profit.mat
