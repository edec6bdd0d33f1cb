// The steps a simplex run took, in order: what an exact replay of the run,
// the fractions trace and the picture of the path follow.
#pragma once

#include <vector>

namespace zep::detail {

// One step: the phase it belongs to, and the row and column of its pivot
// (row 0 for a bound flip, which moves no column into the basis).
struct Step {
    int phase;
    int row;
    int col;
};

} // namespace zep::detail
