zep-solve
