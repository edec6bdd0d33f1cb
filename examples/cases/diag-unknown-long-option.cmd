zep-solve --ranges examples/profit.lp
