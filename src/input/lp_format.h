// The reader of the CPLEX LP format.
#pragma once

#include "store/store.h"

namespace zep::detail {

// Reads a model in the LP format from luin into the store, as the matrix
// reader does; what zep cannot hold is refused with the line's number.
void readLpFormat(Store& s);

// Whether a word (any case) opens an objective section: -1 for a
// maximisation, 1 for a minimisation, 0 for any other word.
int lpSenseWord(const char* word, int len);

// Whether the LP format can hold a name as it stands: its characters, a
// first character other than a digit or a point, and no keyword.
bool lpName(const char* name);

} // namespace zep::detail
