zep-solve examples/refuse-lp-quadratic.lp
