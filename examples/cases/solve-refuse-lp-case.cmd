zep-solve examples/refuse-lp-case.lp
