zep-parse -e --fractions examples/profit.lp
