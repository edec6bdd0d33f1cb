// Cost and right-hand-side ranging of an optimal tableau.
#pragma once

#include "check/exact.h"
#include "store/store.h"

namespace zep {

// Both tables, from the exact tableau of the store's final basis.
void ranger(Store& s);

// The tables and their lines, from e, the exact tableau of the final basis.
void range_cost(Store& s, const ExactTableau& e);
void range_cb(Store& s, const ExactTableau& e, int v);
void range_cnb(Store& s, const ExactTableau& e, int v);
void range_rhs(Store& s, const ExactTableau& e);

} // namespace zep
