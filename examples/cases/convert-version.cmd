zep-convert --version
