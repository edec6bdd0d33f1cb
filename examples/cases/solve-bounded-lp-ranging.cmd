zep-solve -r examples/bounded-ranging-cplex.lp
