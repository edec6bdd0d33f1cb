zep -e examples/relation-in-objective.lp
