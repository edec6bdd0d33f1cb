zep-solve examples/refuse-lp-general.lp
