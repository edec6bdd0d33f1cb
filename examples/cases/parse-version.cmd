zep-parse --version
