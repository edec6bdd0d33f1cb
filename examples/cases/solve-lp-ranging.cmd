zep-solve -r examples/profit.lp
