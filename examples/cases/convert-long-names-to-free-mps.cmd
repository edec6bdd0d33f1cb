zep-convert --to=mps examples/long-names-cplex.lp
