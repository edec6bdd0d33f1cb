zep-solve -xf examples/diet.lp
