zep-solve examples/refuse-lp-no-sense.lp
