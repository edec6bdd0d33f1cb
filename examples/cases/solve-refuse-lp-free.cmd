zep-solve examples/refuse-lp-free.lp
