zep-solve examples/infeasible-flipped-zero.lp
