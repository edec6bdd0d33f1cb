zep-solve examples/hairline-difference.lp
