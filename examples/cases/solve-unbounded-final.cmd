zep-solve -f examples/ray.mat
