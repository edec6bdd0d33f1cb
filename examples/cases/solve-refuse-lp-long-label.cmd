zep-solve examples/refuse-lp-long-label.lp
