zep-solve -x examples/contradiction.mat
