zep-solve examples/refuse-lp-bound-upper.lp
