zep -i examples/refuse-truncated.mat
