#include "simplex/artificial.h"

namespace zep::detail {

bool artificialBasic(const Store& s) {
    if (s.tab.obj_row != s.tab.ph2_row) return false;
    for (int r = 1; r <= s.model.num_cons; r++)
        if (s.tab.isart[s.tab.basis_index[r]]) return true;
    return false;
}

// The phase-1 row still holds the reduced costs of the sum of the
// artificials, as every pivot of phase 2 carries it along.
bool raisesArtificials(const Store& s, int j) {
    double d = s.tab.a_mat[s.tab.ph1_row][j];
    double rise = s.tab.col_status[j] == 0 ? d : -d;
    return rise > s.tol.eps_price;
}

bool artificialRises(const Store& s, int r, double element) {
    return s.tab.obj_row == s.tab.ph2_row && s.tab.isart[s.tab.basis_index[r]] && element < 0;
}

} // namespace zep::detail
