zep examples/long-name.lp
