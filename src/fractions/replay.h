// zep-solve with --fractions: the floating-point run's own pivots replayed
// in exact arithmetic, so that every tableau and report value prints as an
// exact fraction of the steps the program took.
#pragma once

#include <vector>

#include "check/exact.h"
#include "store/store.h"

namespace zep::detail {

// The exact tableau after the given steps from the standard form's start;
// zero_step is the first step (counted from 1) whose pivot entry is 0 in
// exact arithmetic, and 0 when every step replays.
struct Replay {
    ExactTableau last;
    int zero_step = 0;
};
Replay replay(const Store& s, const std::vector<Step>& steps);

// The store's end state (end_stat, piv_col) holds exactly in e, the exact
// tableau of its final basis: an optimum feasible and priced out, an
// infeasibility with phase 1 priced out and an artificial above zero, an
// unbounded column that improves and meets no positive entry.
bool exactly_final(const Store& s, const ExactTableau& e);

// After the standard form: runs the simplex, replays its steps and prints
// the trace (t, x), the final tableau (f) and the report in fractions.
// Where a replayed pivot is 0 or the answer does not hold exactly, one line
// says so and the exact re-solve from the start is printed instead.
// Returns the steps of the floating-point run.
std::vector<Step> solve_fractions(Store& s);

} // namespace zep::detail
