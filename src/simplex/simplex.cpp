// The two-phase driver and pricing of the bounded-variable primal simplex.
#include "simplex/simplex.h"

#include <cstdio>

#include "simplex/artificial.h"
#include "simplex/cycling.h"
#include "simplex/pivot.h"
#include "simplex/steps.h"
#include "simplex/tableau.h"
#include "store/failure.h"
#include "store/print.h"

namespace zep::detail {

void simplex(Store& s) {
    s.engine.pivots = 0;
    s.engine.unbounded = 0;
    if (s.tab.phase == 1) {
        if (s.opt.show_exchanges) print(s, "BEGIN PHASE 1\n");
        s.tab.obj_row = s.tab.ph1_row;
        opt(s);
        if (s.engine.end_stat == 1) {
            infeas(s);
            if (s.engine.end_stat == 1) s.tab.phase = 2;
        }
    }
    if (s.tab.phase == 2) {
        if (s.opt.show_exchanges) print(s, "BEGIN PHASE 2\n");
        s.tab.obj_row = s.tab.ph2_row;
        opt(s);
    }
}

std::vector<Step> recorded_simplex(Store& s) {
    StepLog log;
    s.engine.steps = &log;
    try {
        simplex(s);
    } catch (...) {
        s.engine.steps = nullptr;
        throw;
    }
    s.engine.steps = nullptr;
    return std::move(log.steps);
}

void opt(Store& s) {
    s.engine.end_stat = 0;
    if (s.opt.debug) tableau(s);
    CycleGuard guard;
    guardStart(s, guard);
    while (s.engine.end_stat == 0) {
        if (s.opt.debug) prt_stat(s);
        incoming(s);
        if (s.engine.optimal) {
            s.engine.end_stat = 1;
            break;
        }
        outgoing(s);
        if (s.engine.pivots == step_cap) err_exit(s, 3);
        s.engine.pivots++;
        ratio_test(s);
        if (s.engine.unbounded) {
            s.engine.end_stat = 3;
            break;
        }
        pivot(s);
        if (s.engine.steps)
            s.engine.steps->steps.push_back({s.tab.phase, s.engine.best_row, s.engine.best_col});
        guardStep(s, guard);
        if (s.opt.debug) tableau(s);
    }
}

// Dantzig's rule, extended to columns at their upper bound: the most
// negative pricing value of at most -eps_price wins, the last one scanned on
// a tie. While the cycling guard has Bland's rule on, the first qualifying
// column wins instead.
void incoming(Store& s) {
    double min_cbar = -s.tol.eps_price;
    s.engine.best_col = 0;
    bool guarded = artificialBasic(s);
    for (int j = 1; j <= s.tab.last_col; j++) {
        if (s.tab.col_status[j] > 0 || s.tab.isart[j]) continue;
        if (guarded && raisesArtificials(s, j)) continue;
        double d = s.tab.a_mat[s.tab.obj_row][j];
        double value = s.tab.col_status[j] == 0 ? d : -d;
        if (min_cbar >= value) {
            min_cbar = value;
            s.engine.best_col = s.tab.col_status[j] == 0 ? j : -j;
            if (s.engine.bland) break;
        }
    }
    if (s.engine.best_col == 0) {
        s.engine.optimal = 1;
        return;
    }
    s.engine.optimal = 0;
    s.engine.piv_col = s.engine.best_col < 0 ? -s.engine.best_col : s.engine.best_col;
}

void outgoing(Store& s) {
    if (s.engine.best_col < 0)
        s.engine.direction = -1.0;
    else if (s.engine.best_col > 0)
        s.engine.direction = +1.0;
    else
        err_exit(s, 1);
}

void infeas(Store& s) {
    for (int r = 1; r <= s.model.num_cons; r++) {
        if (s.tab.isart[s.tab.basis_index[r]] && s.tab.a_mat[r][s.tab.rhs_col] > s.tol.eps_infe) {
            s.engine.end_stat = 2;
            return;
        }
    }
}

void prt_stat(Store& s) {
    print(s, "Iteration %d  Objective = %11.3lf \n", s.engine.pivots,
          -s.model.z_mult * s.tab.a_mat[0][0]);
}

void err_exit(Store& s, int code) {
    constexpr const char* meaning[] = {
        "",
        "no entering column where one was required",
        "a bound flip of a column that is not at a bound",
        "50,000 steps without an end",
    };
    fail(s, ErrorKind::engine, {}, format(">>>ERROR EXIT %d <<<\n", code).c_str(),
         format("the simplex stopped: %s (error exit %d)", meaning[code], code));
}

} // namespace zep::detail
