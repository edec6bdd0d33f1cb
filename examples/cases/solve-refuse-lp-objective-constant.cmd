zep-solve examples/refuse-lp-objective-constant.lp
