// The limits of cost and right-hand-side ranging, worked out in exact
// arithmetic from the tableau of the final basis: what the sensitivity
// tables print and the library's answer holds.
#pragma once

#include "check/exact.h"
#include "store/store.h"

namespace zep {

// One end of a range: the limit and the column that enters or leaves the
// basis there, or column 0 where the range has no end on that side. The
// limit is exact; value is the double nearest to it.
struct Limit {
    double value;
    int column;
};

struct RangeLine {
    const char* name;
    double current;
    Limit upper;
    Limit lower;
};

// The exact tableau of the store's final basis, which ranging reads: the
// model brought to that basis by exact pivots, or, where those columns
// are singular in exact arithmetic, the store's tableau taken as it stands.
ExactTableau ranging_tableau(const Store& s);

// The range of variable v's cost over which the basis of e stays optimal.
RangeLine cost_range(const Store& s, const ExactTableau& e, int v);
RangeLine basic_cost_range(const Store& s, const ExactTableau& e, int v);
RangeLine nonbasic_cost_range(const Store& s, const ExactTableau& e, int v);

// The range of row i's right-hand side over which the basis of e stays
// feasible.
RangeLine rhs_range(const Store& s, const ExactTableau& e, int i);

} // namespace zep
