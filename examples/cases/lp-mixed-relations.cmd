zep examples/mixed-relations.lp
