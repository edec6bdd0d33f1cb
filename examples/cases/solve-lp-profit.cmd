zep-solve examples/profit.lp
