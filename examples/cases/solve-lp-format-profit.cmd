zep-solve examples/profit-cplex.lp
