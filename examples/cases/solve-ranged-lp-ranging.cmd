zep-solve -r examples/ranged-cplex.lp
