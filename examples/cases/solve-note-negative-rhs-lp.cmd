zep-solve examples/note-negative-rhs.lp
