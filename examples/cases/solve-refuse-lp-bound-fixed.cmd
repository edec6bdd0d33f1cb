zep-solve examples/refuse-lp-bound-fixed.lp
