zep-solve -r examples/rep-infeasible.mat
