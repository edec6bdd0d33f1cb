zep-solve examples/unbounded-tiny-profit.mat
