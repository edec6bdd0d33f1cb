zep-solve -r examples/ranging-wide-fields.lp
