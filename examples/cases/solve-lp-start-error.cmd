zep-solve examples/no-objective-label.lp
