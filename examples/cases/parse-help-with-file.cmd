zep-parse --help examples/profit.lp
