zep-solve examples/refuse-lp-too-many-columns.lp
