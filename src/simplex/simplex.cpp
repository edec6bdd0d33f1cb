// The two-phase driver and pricing of the bounded-variable primal simplex.
#include "simplex/simplex.h"

#include <cstdio>

#include "simplex/artificial.h"
#include "simplex/cycling.h"
#include "simplex/pivot.h"
#include "simplex/steps.h"
#include "simplex/tableau.h"
#include "simplex/two_phase.h"
#include "store/failure.h"
#include "store/print.h"

namespace zep::detail {

namespace {

// The floating-point engine as the two-phase driver runs it.
struct FloatPhases {
    Store& s;
    std::vector<Step>* steps;

    void begin(int phase) {
        if (s.opt.show_exchanges) print(s, "BEGIN PHASE %d\n", phase);
    }
    PhaseEnd run() { return opt(s, steps); }
    bool feasible() { return !infeas(s); }
};

} // namespace

void simplex(Store& s, std::vector<Step>* steps) {
    s.engine.pivots = 0;
    FloatPhases phases{s, steps};
    store_outcome(s, two_phase(s, phases));
}

std::vector<Step> recorded_simplex(Store& s) {
    std::vector<Step> steps;
    simplex(s, &steps);
    return steps;
}

PhaseEnd opt(Store& s, std::vector<Step>* steps) {
    if (s.opt.debug) tableau(s);
    CycleGuard guard;
    guardStart(s, guard);
    for (;;) {
        if (s.opt.debug) prt_stat(s);
        Entering in = incoming(s, guard.bland);
        if (in.piv_col == 0) return {Outcome::optimal};
        if (s.engine.pivots == step_cap) err_exit(s, 3);
        s.engine.pivots++;
        Leaving out = ratio_test(s, in, guard.bland);
        if (out.unbounded) return {Outcome::unbounded, in.piv_col};
        pivot(s, in, out);
        if (steps)
            steps->push_back(
                {s.tab.phase, out.best_row, in.direction < 0 ? -in.piv_col : in.piv_col});
        guardStep(s, guard);
        if (s.opt.debug) tableau(s);
    }
}

// Dantzig's rule, extended to columns at their upper bound: the most
// negative pricing value of at most -eps_price wins, the last one scanned on
// a tie. While the cycling guard has Bland's rule on, the first qualifying
// column wins instead.
Entering incoming(const Store& s, bool bland) {
    // The loop reads the store only; the objective row is found once.
    const double* obj = s.tab.a_mat[s.tab.obj_row];
    const int* status = s.tab.col_status;
    double min_cbar = -s.tol.eps_price;
    Entering best;
    bool guarded = artificialBasic(s);
    for (int j = 1; j <= s.tab.last_col; j++) {
        if (status[j] > 0 || s.tab.isart[j]) continue;
        if (guarded && raisesArtificials(s, j)) continue;
        double d = obj[j];
        double value = status[j] == 0 ? d : -d;
        if (min_cbar >= value) {
            min_cbar = value;
            best = {j, status[j] == 0 ? +1.0 : -1.0};
            if (bland) break;
        }
    }
    return best;
}

bool infeas(const Store& s) {
    for (int r = 1; r <= s.model.num_cons; r++)
        if (s.tab.isart[s.tab.basis_index[r]] && s.tab.a_mat[r][s.tab.rhs_col] > s.tol.eps_infe)
            return true;
    return false;
}

void prt_stat(Store& s) {
    print(s, "Iteration %d  Objective = %11.3lf \n", s.engine.pivots,
          -s.model.z_mult * s.tab.a_mat[0][0]);
}

void err_exit(Store& s, int code) {
    // Code 1 (a step without an entering column) is not raised: pricing
    // hands the phase loop its column or ends the phase.
    constexpr const char* meaning[] = {
        "",
        "",
        "a bound flip of a column that is not at a bound",
        "50,000 steps without an end",
    };
    fail(s, ErrorKind::engine, {}, format(">>>ERROR EXIT %d <<<\n", code).c_str(),
         format("the simplex stopped: %s (error exit %d)", meaning[code], code));
}

} // namespace zep::detail
