zep-solve examples/optimum-behind-tiny-profit.mat
