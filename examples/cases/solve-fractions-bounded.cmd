zep-solve --fractions -x examples/bounded-cplex.lp
