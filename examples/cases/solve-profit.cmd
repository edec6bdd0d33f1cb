zep-solve examples/profit.mat
