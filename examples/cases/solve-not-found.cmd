zep-solve -x examples/no-such.mat
