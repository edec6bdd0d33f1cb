zep-solve -r examples/ranging-zero-ratio.lp
