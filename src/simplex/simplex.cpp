// The two-phase driver and pricing of the bounded-variable primal simplex.
#include "simplex/simplex.h"

#include <cstdio>

#include "simplex/artificial.h"
#include "simplex/cycling.h"
#include "simplex/pivot.h"
#include "simplex/tableau.h"
#include "store/print.h"

namespace zep {

void simplex(Store& s) {
    s.pivots = 0;
    s.unbounded = 0;
    if (s.phase == 1) {
        if (s.show_exchanges) print(s, "BEGIN PHASE 1\n");
        s.obj_row = s.ph1_row;
        opt(s);
        if (s.end_stat == 1) {
            infeas(s);
            if (s.end_stat == 1) s.phase = 2;
        }
    }
    if (s.phase == 2) {
        if (s.show_exchanges) print(s, "BEGIN PHASE 2\n");
        s.obj_row = s.ph2_row;
        opt(s);
    }
    if (s.last_tableau) tableau(s);
}

void opt(Store& s) {
    s.end_stat = 0;
    if (s.debug) tableau(s);
    CycleGuard guard;
    guardStart(s, guard);
    while (s.end_stat == 0) {
        if (s.debug) prt_stat(s);
        incoming(s);
        if (s.optimal) {
            s.end_stat = 1;
            break;
        }
        outgoing(s);
        if (s.pivots == step_cap) err_exit(s, 3);
        s.pivots++;
        ratio_test(s);
        if (s.unbounded) {
            s.end_stat = 3;
            break;
        }
        pivot(s);
        guardStep(s, guard);
        if (s.debug) tableau(s);
    }
}

// Dantzig's rule, extended to columns at their upper bound: the most
// negative pricing value of at most -eps_price wins, the last one scanned on
// a tie. While the cycling guard has Bland's rule on, the first qualifying
// column wins instead.
void incoming(Store& s) {
    s.min_cbar = -s.eps_price;
    s.best_col = 0;
    bool guarded = artificialBasic(s);
    for (int j = 1; j <= s.last_col; j++) {
        if (s.col_status[j] > 0 || s.isart[j]) continue;
        if (guarded && raisesArtificials(s, j)) continue;
        double d = s.a_mat[s.obj_row][j];
        double value = s.col_status[j] == 0 ? d : -d;
        if (s.min_cbar >= value) {
            s.min_cbar = value;
            s.best_col = s.col_status[j] == 0 ? j : -j;
            if (s.bland) break;
        }
    }
    if (s.best_col == 0) {
        s.optimal = 1;
        return;
    }
    s.optimal = 0;
    s.piv_col = s.best_col < 0 ? -s.best_col : s.best_col;
}

void outgoing(Store& s) {
    if (s.best_col < 0)
        s.direction = -1.0;
    else if (s.best_col > 0)
        s.direction = +1.0;
    else
        err_exit(s, 1);
}

void infeas(Store& s) {
    for (int r = 1; r <= s.num_cons; r++) {
        if (s.isart[s.basis_index[r]] && s.a_mat[r][s.rhs_col] > s.eps_infe) {
            s.end_stat = 2;
            return;
        }
    }
}

void prt_stat(Store& s) {
    print(s, "Iteration %d  Objective = %11.3lf \n", s.pivots, -s.z_mult * s.a_mat[0][0]);
}

void err_exit(Store& s, int code) {
    print(s, ">>>ERROR EXIT %d <<<\n", code);
    throw ProcessEnd{255};
}

} // namespace zep
