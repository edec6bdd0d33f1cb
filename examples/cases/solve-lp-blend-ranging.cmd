zep-solve -r examples/rep-blend.lp
