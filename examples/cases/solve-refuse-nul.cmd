zep-solve examples/refuse-nul.mat
