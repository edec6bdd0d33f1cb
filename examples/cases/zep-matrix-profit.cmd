zep -i examples/profit.mat
