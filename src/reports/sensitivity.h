// Cost and right-hand-side ranging of an optimal tableau.
#pragma once

#include "reports/ranging.h"
#include "store/store.h"

namespace zep::detail {

// Both tables of the store's final basis; exact as for final_ranging.
void ranger(Store& s, const ExactTableau* exact = nullptr);

// Both tables with their exact limits in fractions, from the exact tableau
// e of the store's final basis.
void ranger_fractions(Store& s, const ExactTableau& e);

// The tables and their lines, from the limits worked out for them.
void range_cost(Store& s, const Ranging& g);
void range_cb(Store& s, const RangeLine& line);
void range_cnb(Store& s, const RangeLine& line);
void range_rhs(Store& s, const Ranging& g);

} // namespace zep::detail
