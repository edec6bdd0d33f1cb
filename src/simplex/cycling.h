// Guards of the phase loop against a degenerate cycle: the pricing and
// ratio-test rules are deterministic, so a basis that recurs while the
// objective stands still proves a cycle. Only then does the guard turn on
// Bland's smallest-subscript rule, until a step moves the objective.
#pragma once

#include "store/store.h"

namespace zep::detail {

// The last resort: a phase loop that reaches this many steps over both
// phases ends with error exit 3.
constexpr int step_cap = 50000;

// Brent's cycle detection over the bases of the current degenerate run:
// the marked basis is compared with each new one, and the mark moves on
// after 1, 2, 4, ... steps, so any cycle is found without a list of bases.
struct CycleGuard {
    double run_obj;     // objective entry while the run lasts
    int mark[tab_cols]; // col_status of the marked basis
    int since_mark;     // steps taken since the mark was set
    int span;           // steps after which the mark moves on
    bool bland;         // Bland's smallest-subscript rule is on
};

// At the start of a phase: Bland's rule off, a new run from this basis.
void guardStart(const Store& s, CycleGuard& g);

// After each step of the phase loop.
void guardStep(const Store& s, CycleGuard& g);

} // namespace zep::detail
