zep-parse examples/no-such-model.lp
