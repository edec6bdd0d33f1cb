zep-solve examples/refuse-mps-too-many-columns.mps
