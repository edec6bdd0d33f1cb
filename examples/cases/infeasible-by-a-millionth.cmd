zep-solve examples/infeasible-by-a-millionth.mat
