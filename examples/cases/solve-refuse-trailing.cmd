zep-solve examples/refuse-trailing.mat
