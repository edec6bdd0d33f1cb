zep -q --version examples/profit.lp
