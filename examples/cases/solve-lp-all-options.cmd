zep-solve -rfxt examples/profit.lp
