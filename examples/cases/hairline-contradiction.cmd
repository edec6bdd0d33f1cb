zep-solve examples/hairline-contradiction.lp
