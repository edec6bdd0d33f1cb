zep -e examples/profit.lp
