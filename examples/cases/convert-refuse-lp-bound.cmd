zep-convert --to=matrix examples/refuse-lp-bound-upper.lp
