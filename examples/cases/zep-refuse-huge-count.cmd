zep -i examples/refuse-huge-count.mat
