zep-solve -x examples/beale.mat
