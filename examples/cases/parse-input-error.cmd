zep-parse examples/listing-input-error.lp
