zep-parse --no-warnings examples/diag-warnings.lp
