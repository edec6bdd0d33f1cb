zep examples/empty.lp
