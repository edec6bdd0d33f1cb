zep-solve examples/note-negative-rhs.mps
