zep-solve -r examples/rep-production.mat
