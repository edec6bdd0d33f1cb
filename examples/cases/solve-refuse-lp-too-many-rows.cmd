zep-solve examples/refuse-lp-too-many-rows.lp
