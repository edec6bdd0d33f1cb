zep-solve examples/refuse-mps-too-many-rows.mps
