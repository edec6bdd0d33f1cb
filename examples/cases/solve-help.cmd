zep-solve --help
