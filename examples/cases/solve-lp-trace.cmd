zep-solve -t examples/diet.lp
