zep-convert --to=lp examples/profit.lp
