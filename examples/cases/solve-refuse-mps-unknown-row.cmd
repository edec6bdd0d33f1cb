zep-solve examples/refuse-mps-unknown-row.mps
