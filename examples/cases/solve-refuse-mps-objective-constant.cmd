zep-solve examples/refuse-mps-objective-constant.mps
