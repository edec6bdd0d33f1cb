zep-parse examples/diag-star.lp
