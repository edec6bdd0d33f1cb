zep --help
