zep-solve examples/refuse-lp-binary.lp
