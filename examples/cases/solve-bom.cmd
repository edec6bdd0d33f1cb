zep-solve examples/bom-profit.mat
