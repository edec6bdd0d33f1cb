// The two-phase driver and pricing.
#pragma once

#include <vector>

#include "simplex/steps.h"
#include "store/store.h"

namespace zep::detail {

// Pricing's choice: the entering column and the way it moves.
struct Entering {
    int piv_col = 0;        // 0: no column qualifies
    double direction = 0.0; // +1.0 up from its lower bound, -1.0 down from its upper bound
};

// How a phase ended: optimal, or unbounded with the column piv_col free to
// move without limit.
struct PhaseEnd {
    Outcome outcome = Outcome::optimal;
    int piv_col = 0;
};

// Solves from the tableau as the standard form left it; the outcome,
// pivots and (after an unbounded end) piv_col go to the store's results.
// Where steps is given, each step is appended to it.
void simplex(Store& s, std::vector<Step>* steps = nullptr);
// simplex, returning the steps it took.
std::vector<Step> recorded_simplex(Store& s);
// One phase on obj_row.
PhaseEnd opt(Store& s, std::vector<Step>* steps = nullptr);
// Bland's rule where bland is set, Dantzig's otherwise.
Entering incoming(const Store& s, bool bland);
// Phase 1 left an artificial variable above eps_infe.
bool infeas(const Store& s);
void prt_stat(Store& s);
[[noreturn]] void err_exit(Store& s, int code);

} // namespace zep::detail
