zep-convert --no-warnings --to lp examples/long-names.mps
