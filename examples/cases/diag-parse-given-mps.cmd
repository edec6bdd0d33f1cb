zep-parse -e examples/profit.mps
