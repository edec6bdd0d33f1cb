zep-solve -e examples/profit.lp
