zep-solve -r examples/free-cplex.lp
