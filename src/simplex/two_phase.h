// The two-phase driver, one for the floating-point engine and the exact
// re-solve. The engine it drives supplies
//   begin(phase): what starts a phase (a heading, or a basis made ready);
//   run(): one phase on the objective row obj_row, and how it ended;
//   feasible(): phase 1 has brought every artificial variable down.
// Phase 2 starts from the basis that phase 1 left, with the phase-1 row
// carried along; phase 1 runs only where phase is 1 on entry.
#pragma once

#include "simplex/simplex.h"
#include "store/store.h"

namespace zep::detail {

// The results the check and the reports read: the outcome and, after an
// unbounded end, the column that moves without limit.
inline void store_outcome(Store& s, const PhaseEnd& end) {
    s.engine.end_stat = end.outcome;
    if (end.outcome == Outcome::unbounded) s.engine.piv_col = end.piv_col;
}

template <class Engine> PhaseEnd two_phase(Store& s, Engine& engine) {
    if (s.tab.phase == 1) {
        engine.begin(1);
        s.tab.obj_row = s.tab.ph1_row;
        PhaseEnd end = engine.run();
        if (end.outcome != Outcome::optimal) return end;
        if (!engine.feasible()) return {Outcome::infeasible};
        s.tab.phase = 2;
    }
    engine.begin(2);
    s.tab.obj_row = s.tab.ph2_row;
    return engine.run();
}

} // namespace zep::detail
