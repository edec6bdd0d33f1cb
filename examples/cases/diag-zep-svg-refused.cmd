zep --svg=profit.svg examples/profit.lp
