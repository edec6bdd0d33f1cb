// The columns that the standard form added for a constraint row, as the
// reports find them again in the final tableau.
#pragma once

#include "store/store.h"

namespace zep {

// The artificial column of an "=" row r. Columns were added row by row
// after the model's variables, one per "<=" or "=" row and two (surplus,
// then artificial) per ">=" row, so it is num_vars + r + g with g the
// number of ">=" rows before r.
int artificialColumn(const Store& s, int r);

// The slack column of a "<=" row, the surplus column of a ">=" row, the
// artificial column of an "=" row.
int addedColumn(const Store& s, int r);

} // namespace zep
