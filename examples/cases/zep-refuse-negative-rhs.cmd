zep -i examples/refuse-negative-rhs.mat
