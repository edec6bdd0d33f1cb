zep -i examples/refuse-added-name.mat
