zep -i --fractions examples/phase1.mat
