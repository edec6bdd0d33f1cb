zep-parse examples/diag-warnings.lp
