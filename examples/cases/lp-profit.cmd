zep examples/profit.lp
