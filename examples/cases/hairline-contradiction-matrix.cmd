zep-solve examples/hairline-matrix.mat
