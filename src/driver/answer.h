// The checked outcome report: the check of the simplex outcome, the exact
// re-solve where it fails, and the one report that solve prints.
#pragma once

#include "store/store.h"

namespace zep::detail {

// Prints the outcome report of the finished simplex. Where the check fails,
// the model is solved again in exact arithmetic; the exact answer is
// printed, after the marking line (and, with option f, its final tableau),
// unless it would print byte for byte as the floating-point answer does
// apart from the iteration count, in which case the floating-point report
// is printed unmarked.
void checked_report(Store& s);

// The same check and re-solve, leaving the proven outcome in the store with
// nothing printed.
void checked_outcome(Store& s);

} // namespace zep::detail
