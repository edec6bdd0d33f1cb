zep-solve -r examples/rep-redundant.mat
