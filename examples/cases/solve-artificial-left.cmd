zep-solve -x examples/artificial-left.mat
