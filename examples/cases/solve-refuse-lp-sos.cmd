zep-solve examples/refuse-lp-sos.lp
