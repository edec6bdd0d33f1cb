zep-solve examples/infeasible-flipped-zero-cplex.lp
