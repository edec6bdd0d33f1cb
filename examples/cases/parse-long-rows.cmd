zep-parse examples/listing-long-rows.lp
