zep-solve -r examples/profit.mat
