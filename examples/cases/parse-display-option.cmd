zep-parse -m examples/profit.lp
