zep-parse examples/listing-objective-only.lp
