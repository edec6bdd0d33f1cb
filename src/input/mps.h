// The reader of MPS, fixed and free.
#pragma once

#include "store/store.h"

namespace zep::detail {

// Reads a model in MPS from luin into the store, as the matrix reader
// does; what zep cannot hold is refused with the line's number.
void readMps(Store& s);

// Whether a word opens an MPS file: NAME, ROWS or OBJSENSE (any case).
bool mpsOpeningWord(const char* word, int len);

} // namespace zep::detail
