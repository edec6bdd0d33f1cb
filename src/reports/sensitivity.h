// Cost and right-hand-side ranging of an optimal tableau.
#pragma once

#include "store/store.h"

namespace zep::detail {

void ranger(Store& s);
void range_cost(Store& s);
void range_cb(Store& s, int v);
void range_cnb(Store& s, int v);
void range_rhs(Store& s);

} // namespace zep::detail
