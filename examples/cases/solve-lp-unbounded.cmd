zep-solve -f examples/ray.lp
