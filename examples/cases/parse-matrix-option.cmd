zep-parse -i examples/profit.lp
