zep-parse -e examples/profit.lp
