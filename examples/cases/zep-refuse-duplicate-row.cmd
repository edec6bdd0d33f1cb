zep -i examples/refuse-duplicate-row.mat
