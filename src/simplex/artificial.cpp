#include "simplex/artificial.h"

namespace zep {

bool artificialBasic(const Store& s) {
    if (s.obj_row != s.ph2_row) return false;
    for (int r = 1; r <= s.num_cons; r++)
        if (s.isart[s.basis_index[r]]) return true;
    return false;
}

// The phase-1 row still holds the reduced costs of the sum of the
// artificials, as every pivot of phase 2 carries it along.
bool raisesArtificials(const Store& s, int j) {
    double d = s.a_mat[s.ph1_row][j];
    double rise = s.col_status[j] == 0 ? d : -d;
    return rise > s.eps_price;
}

bool artificialRises(const Store& s, int r, double element) {
    return s.obj_row == s.ph2_row && s.isart[s.basis_index[r]] && element < 0;
}

} // namespace zep
