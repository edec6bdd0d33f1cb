zep examples/lexical-error.lp
