zep-solve examples/fixed-cplex.lp
