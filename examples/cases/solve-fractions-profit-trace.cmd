zep-solve --fractions -t examples/profit.mat
