zep-solve examples/free-cplex.lp
