// The steps a simplex run took, in order: what an exact replay of the run,
// the fractions trace and the picture of the path follow.
#pragma once

#include <vector>

namespace zep::detail {

// One step: the phase it belongs to, and the row and column of its pivot
// (row 0 for a bound flip, which moves no column into the basis). A
// column entering from its upper bound is logged as -col, and a leaving
// column that goes to its upper bound as -row; a model without upper
// bounds logs neither.
struct Step {
    int phase;
    int row;
    int col;
};

} // namespace zep::detail
