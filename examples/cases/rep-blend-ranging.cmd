zep-solve -r examples/rep-blend.mat
