zep-solve -r examples/long-names-cplex.lp
