zep -i examples/empty.mat
