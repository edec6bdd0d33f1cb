zep-solve examples/missing-label.lp
