zep -i examples/refuse-too-many-vars.mat
