zep-solve -r examples/ranging-beyond-1e30.mat
