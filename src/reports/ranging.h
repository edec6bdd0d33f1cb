// The limits of cost and right-hand-side ranging, worked out from an
// optimal tableau: what the sensitivity tables print and the library's
// answer holds.
#pragma once

#include "store/store.h"

namespace zep::detail {

// One end of a range: the limit and the column that enters or leaves the
// basis there, or column 0 where the range has no end on that side.
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

// The range of variable v's cost over which the basis stays optimal.
RangeLine cost_range(const Store& s, int v);
RangeLine basic_cost_range(const Store& s, int v);
RangeLine nonbasic_cost_range(const Store& s, int v);

// The range of row i's right-hand side over which the basis stays feasible.
RangeLine rhs_range(const Store& s, int i);

} // namespace zep::detail
