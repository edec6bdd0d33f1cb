zep -e examples/diag-negative-rhs.lp
