zep-solve examples/refuse-lp-bound-lower.lp
