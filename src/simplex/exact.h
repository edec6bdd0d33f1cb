// The two-phase simplex again, in exact rational arithmetic, for a model on
// which the floating-point rules gave an answer that failed its check.
#pragma once

#include "store/store.h"

namespace zep {

// Solves the model as read (a_read, cost, rrhs and the relations, in the
// columns that setprob laid out, each number taken as the decimal that the
// file wrote) with exact comparisons, no flush and the smallest-subscript
// rule, and leaves the final tableau in the store as
// doubles, with basis_index, col_status, end_stat, pivots, piv_col and
// phase set as simplex sets them, so that every report reads it unchanged.
void exact_simplex(Store& s);

} // namespace zep
