zep --version
