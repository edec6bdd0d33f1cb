zep-convert examples/profit.lp
