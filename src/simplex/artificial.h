// Phase 2 may start with artificial variables still basic, at a level of at
// most eps_infe that phase 1 could not lower. These tests keep such a
// variable from rising again, which would break the row it stands for.
#pragma once

#include "store/store.h"

namespace zep::detail {

// Phase 2 is running and some constraint row's basic variable is artificial.
bool artificialBasic(const Store& s);

// Moving column j in the direction pricing would move it raises the
// phase-1 objective, the sum of the artificial variables. The phase-1 row
// still holds the reduced costs of the sum of the artificials, as every
// pivot of phase 2 carries it along. Inline: pricing asks it of every
// column.
inline bool raisesArtificials(const Store& s, int j) {
    double d = s.tab.a_mat[s.tab.ph1_row][j];
    double rise = s.tab.col_status[j] == 0 ? d : -d;
    return rise > s.tol.eps_price;
}

// In phase 2, the basic variable of row r is artificial and a step whose
// pivot-column entry (times direction) is element would raise it. Inline:
// the ratio test asks it of every row.
inline bool artificialRises(const Store& s, int r, double element) {
    return s.tab.obj_row == s.tab.ph2_row && s.tab.isart[s.tab.basis_index[r]] && element < 0;
}

} // namespace zep::detail
