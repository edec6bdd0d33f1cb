zep-solve examples/rep-blend.mat
