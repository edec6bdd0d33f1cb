zep-solve -r examples/rep-unbounded.mat
