zep-solve examples/objective-constant.mps
