zep examples/duplicate-label.lp
