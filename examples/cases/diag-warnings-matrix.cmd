zep-convert --to=lp examples/diag-names.mat
