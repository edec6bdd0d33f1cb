zep -i examples/refuse-comma.mat
