zep -i examples/no-such-model.mat
