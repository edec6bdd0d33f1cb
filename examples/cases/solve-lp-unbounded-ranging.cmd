zep-solve -r examples/rep-unbounded.lp
