zep-solve examples/hairline-objective.lp
