zep-solve -r examples/rep-held-out.mat
