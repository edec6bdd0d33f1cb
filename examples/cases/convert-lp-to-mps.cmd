zep-convert --to=mps examples/profit-cplex.lp
