zep
