zep-solve -e examples/missing-label.lp
