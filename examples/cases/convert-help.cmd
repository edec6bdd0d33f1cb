zep-convert --help
