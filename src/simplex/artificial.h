// Phase 2 may start with artificial variables still basic, at a level of at
// most eps_infe that phase 1 could not lower. These tests keep such a
// variable from rising again, which would break the row it stands for.
#pragma once

#include "store/store.h"

namespace zep::detail {

// Phase 2 is running and some constraint row's basic variable is artificial.
bool artificialBasic(const Store& s);

// Moving column j in the direction pricing would move it raises the
// phase-1 objective, the sum of the artificial variables.
bool raisesArtificials(const Store& s, int j);

// In phase 2, the basic variable of row r is artificial and a step whose
// pivot-column entry (times direction) is element would raise it.
bool artificialRises(const Store& s, int r, double element);

} // namespace zep::detail
