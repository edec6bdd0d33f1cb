zep -i examples/refuse-trailing.mat
