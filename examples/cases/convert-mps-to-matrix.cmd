zep-convert --to=matrix examples/profit.mps
