// The bounded ratio test and the Gauss-Jordan pivot.
#pragma once

#include "simplex/simplex.h"
#include "store/store.h"

namespace zep::detail {

// The ratio test's choice. best_row is signed: +r, the basic variable of
// row r falls to 0 and leaves; -r, it rises to its upper bound; 0, the
// entering column reaches its own bound first (a bound flip).
struct Leaving {
    int best_row = 0;
    bool unbounded = false; // no bound stops the step
};

// Also sets the col_status of the leaving column to the bound it leaves at.
Leaving ratio_test(Store& s, const Entering& in, bool bland);
void pivot(Store& s, const Entering& in, const Leaving& out);
void piv_tabl(Store& s, int piv_row, int piv_col);
void adjrhsin(Store& s, const Entering& in);

} // namespace zep::detail
