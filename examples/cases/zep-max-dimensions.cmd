zep -i examples/too-wide.mat
