// The phase-1 row, one rule for the floating-point tableau and the exact
// one.
#pragma once

#include "store/store.h"

namespace zep::detail {

// The reduced costs of the phase-1 objective, the sum of the artificial
// variables, for the starting basis: minus the sum of the rows with an
// artificial column in each variable's column, 1 in each surplus column,
// the sum of those rows' values in column 0. Rows is the tableau (the
// store's a_mat, or the exact tableau's rows) with its constraint rows laid
// out; each entry is summed over the rows in order.
template <class Rows> void build_phase1_row(const Store& s, Rows& a) {
    auto& p1 = a[s.tab.ph1_row];
    for (int j = 0; j <= s.model.num_vars; j++) p1[j] = 0;
    for (int r = 1; r <= s.model.num_cons; r++) {
        if (!s.tab.art_col[r]) continue;
        for (int j = 1; j <= s.model.num_vars; j++) p1[j] = p1[j] - a[r][j];
        p1[0] = p1[0] + a[r][0];
        if (s.tab.row_type[r] < 0) p1[s.tab.added_col[r]] = 1;
    }
}

} // namespace zep::detail
