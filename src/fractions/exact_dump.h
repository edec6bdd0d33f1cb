// The tableau dump and the trace's progress line in exact fractions.
#pragma once

#include "check/exact.h"
#include "store/store.h"

namespace zep::detail {

// The tableau e laid out as the dump lays out the store's, with each entry
// and cost in lowest terms; a column is as wide as its longest fraction
// needs (at least the dump's 12 characters).
void tableau(Store& s, const ExactTableau& e);

// The progress line of the trace, its objective value as a fraction.
void prt_stat(Store& s, const ExactTableau& e, int iteration);

} // namespace zep::detail
