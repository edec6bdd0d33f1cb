zep examples/relation-in-objective.lp
