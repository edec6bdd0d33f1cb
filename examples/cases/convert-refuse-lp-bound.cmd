zep-convert --to=matrix examples/bounded-cplex.lp
