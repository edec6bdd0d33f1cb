zep-convert --to=algebraic examples/profit.mat
