zep-solve -i examples/profit.lp
