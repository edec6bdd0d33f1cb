zep-solve examples/refuse-lp-range.lp
