zep-solve --version
