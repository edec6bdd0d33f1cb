zep-solve examples/ranged-cplex.lp
