zep-solve examples/bounded-cplex.lp
