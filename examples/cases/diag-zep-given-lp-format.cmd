zep examples/profit-cplex.lp
