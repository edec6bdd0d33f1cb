zep-solve examples/refuse-lp-semi.lp
