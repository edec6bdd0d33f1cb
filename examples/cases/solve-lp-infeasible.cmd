zep-solve -x examples/contradiction.lp
