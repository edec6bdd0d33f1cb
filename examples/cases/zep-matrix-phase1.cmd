zep -i examples/phase1.mat
