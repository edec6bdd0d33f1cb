#include "store/store.h"

namespace zep {

void initParam(Store& s) {
    s.infinity = 1e30;
    s.unbounded = 0;
    s.rhs_col = 0;
    s.eps_infe = 1e-5;
    s.eps_ratio = 1e-12;
    s.eps_pivot = 1e-5;
    s.eps_price = 1e-5;
    // Only rows up to the current num_cons are cleared: in a fresh store
    // that is row 0 alone, the others being zero from the start.
    for (int j = 0; j < tab_cols; j++) {
        s.cost[j] = 0;
        s.upperb[j] = s.infinity;
        s.lowerb[j] = 0;
        s.isart[j] = 0;
        for (int r = 0; r <= s.num_cons && r < tab_rows; r++) s.a_mat[r][j] = 0;
    }
}

} // namespace zep
