zep-solve -r examples/rep-degenerate.mat
