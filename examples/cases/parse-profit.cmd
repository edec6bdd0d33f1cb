zep-parse examples/profit.lp
