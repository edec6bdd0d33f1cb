zep-solve --fractions -r examples/thirds-sevenths.mat
