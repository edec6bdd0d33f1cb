zep-solve examples/refuse-lp-long-variable.lp
