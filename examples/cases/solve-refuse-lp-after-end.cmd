zep-solve examples/refuse-lp-after-end.lp
