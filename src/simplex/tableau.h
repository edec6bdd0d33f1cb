// The tableau dump, in blocks of printcols columns.
#pragma once

#include "store/store.h"

namespace zep::detail {

constexpr int printcols = 50;

void tableau(Store& s);

// The same dump with entries in place of a_mat's (the final tableau as
// proven, which may differ from the floating-point one in its last digits).
void tableau(Store& s, const double (*entries)[tab_cols]);

} // namespace zep::detail
