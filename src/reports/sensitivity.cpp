// Cost and right-hand-side ranging of an optimal tableau. The objective is
// minimised internally (row 0 holds z_mult times the coefficients), and
// z_mult turns ratios and limits back into the sense of the model.
#include "reports/sensitivity.h"

#include <cmath>
#include <cstdio>

#include "driver/cmdline.h"
#include "reports/added_columns.h"
#include "simplex/artificial.h"
#include "store/print.h"

namespace zep {

namespace {

// Each text stands in for the whole upper field it replaces, so that the
// lower field keeps its column.
constexpr const char* cost_no_upper = "    +Infinity             ";
constexpr const char* rhs_no_upper = "    +Infinity              ";

// One side of a range: the smallest ratio found so far and the column or
// row that gives it. A side without a limit is one where none was chosen;
// the search starts from a true infinity, so that a ratio beyond the
// store's infinity (1e30) still limits.
struct Bound {
    double ratio;
    int at;
};

constexpr double no_limit = HUGE_VAL;

// While an artificial stays basic the engine lets no column enter that
// would raise it; such a column is zero in every feasible point, so it
// neither limits a cost range nor has one.
bool neverEnters(const Store& s, int j) {
    return artificialBasic(s) && raisesArtificials(s, j);
}

void costLimits(Store& s, double cost, Bound up, Bound lo) {
    if (up.at != 0)
        print(s, "%13.3lf %-12.12s", cost + up.ratio, s.varname[up.at]);
    else
        print(s, "%s", cost_no_upper);
    if (lo.at != 0)
        print(s, "%13.3lf %-12.12s\n", cost + lo.ratio, s.varname[lo.at]);
    else
        print(s, "    -Infinity             \n");
}

// Right-hand-side ranging of a row whose added column j is basic, in row k:
// only that column's level w moves with the right-hand side.
void basicAddedLimits(Store& s, int i, int j, int k) {
    double w = s.a_mat[k][s.rhs_col];
    if (s.row_type[i] > 0) {
        print(s, "%s%13.2lf %-12.12s\n", rhs_no_upper, s.rrhs[i] - w, s.varname[j]);
    } else if (s.row_type[i] < 0) {
        print(s, "%13.2lf %-12.12s     -Infinity\n", s.rrhs[i] + w, s.varname[j]);
    } else {
        // A basic artificial has to stay at zero for the equality to hold,
        // so its row's right-hand side cannot move either way.
        print(s, "%13.2lf %-12.12s %13.2lf %-12.12s\n", s.rrhs[i], s.varname[j], s.rrhs[i],
              s.varname[j]);
    }
}

// Right-hand-side ranging of a row whose added column j is nonbasic: the
// level of row k's basic variable moves by sigma times a_mat[k][j] per unit
// of right-hand side (a surplus column enters its row with -1, hence sigma
// -1 for a ">=" row), and the nearest level to reach zero on each side
// limits. Equal ratios take the highest row.
void nonbasicAddedLimits(Store& s, int i, int j) {
    double sigma = s.row_type[i] < 0 ? -1.0 : 1.0;
    Bound pos{no_limit, 0}, neg{-no_limit, 0};
    for (int k = 1; k <= s.num_cons; k++) {
        double a = s.a_mat[k][j];
        if (a == 0) continue;
        double q = s.a_mat[k][s.rhs_col] * sigma / a;
        if (s.isart[s.basis_index[k]]) {
            // A basic artificial may not leave zero in either direction.
            pos = {0, k};
            neg = {0, k};
        } else if (q > 0 || (q == 0 && sigma * a > 0)) {
            // A level already at zero limits the side on which it falls.
            if (q <= pos.ratio) pos = {q, k};
        } else if (q >= neg.ratio) {
            neg = {q, k};
        }
    }
    if (neg.at != 0)
        print(s, "%13.2lf %-12.12s ", s.rrhs[i] - neg.ratio, s.varname[s.basis_index[neg.at]]);
    else
        print(s, "%s", rhs_no_upper);
    if (pos.at != 0)
        print(s, "%13.2lf %-12.12s\n", s.rrhs[i] - pos.ratio, s.varname[s.basis_index[pos.at]]);
    else
        print(s, "    -Infinity\n");
}

} // namespace

void ranger(Store& s) {
    range_cost(s);
    range_rhs(s);
}

void range_cost(Store& s) {
    compose(s.buf, sizeof s.buf, "*** SENSITIVITY OF THE %s VALUES ***", s.rname[0]);
    ctitle(s, s.buf, 80);
    print(s, "Variable        Current OF    Upper Limit (Becomes+)"
             "    Lower Limit (Becomes+)\n");
    print(s, "--------------------------    ----------------------"
             "    -----------------------\n");
    for (int v = 1; v <= s.num_vars; v++) {
        print(s, "%2d. %-8.8s %13.3lf ", v, s.varname[v], s.cost[v]);
        if (s.col_status[v] > 0)
            range_cb(s, v);
        else
            range_cnb(s, v);
    }
}

// A change of v's cost shifts the reduced cost of every nonbasic column j by
// the change times v's row entry in j; the nearest one to turn attractive
// on each side would enter there. Equal ratios keep the lowest column, and
// a ratio of exactly 0 limits neither side.
void range_cb(Store& s, int v) {
    int r = s.col_status[v];
    Bound up{no_limit, 0}, lo{-no_limit, 0};
    for (int j = 1; j <= s.last_col; j++) {
        if (s.col_status[j] > 0 || s.isart[j] || neverEnters(s, j)) continue;
        double e = s.a_mat[r][j];
        if (std::fabs(e) <= s.eps_pivot) continue;
        double side = s.col_status[j] < 0 ? -1.0 : 1.0;
        double q = s.a_mat[0][j] / e * s.z_mult;
        if (s.z_mult * side * e >= 0) {
            if (q > 0 && q < up.ratio) up = {q, j};
        } else if (q < 0 && q > lo.ratio) {
            lo = {q, j};
        }
    }
    costLimits(s, s.cost[v], up, lo);
}

// A nonbasic variable enters itself once its cost has moved by its reduced
// cost in the improving direction; the other direction has no limit.
void range_cnb(Store& s, int v) {
    if (neverEnters(s, v)) {
        costLimits(s, s.cost[v], {no_limit, 0}, {-no_limit, 0});
        return;
    }
    double side = s.col_status[v] != 0 ? -1.0 : 1.0;
    double limit = s.cost[v] - s.z_mult * s.a_mat[0][v];
    if (s.z_mult * side < 0)
        print(s, "%13.3lf %-12.12s    -Infinity\n", limit, s.varname[v]);
    else
        print(s, "%s%13.3lf %-12.12s\n", cost_no_upper, limit, s.varname[v]);
}

void range_rhs(Store& s) {
    ctitle(s, "*** RANGING THE RIGHT-HAND SIDE ***", 80);
    print(s, "Constraint         RHS      Upper Limit  (Becomes 0)"
             "   Lower Limit  (Becomes 0)\n");
    print(s, "--------------------------  ------------------------"
             "   ------------------------\n");
    for (int i = 1; i <= s.num_cons; i++) {
        print(s, "%2d. %-8s %13.2lf", i, s.rname[i], s.rrhs[i]);
        int j = addedColumn(s, i);
        if (s.col_status[j] > 0)
            basicAddedLimits(s, i, j, s.col_status[j]);
        else
            nonbasicAddedLimits(s, i, j);
    }
}

} // namespace zep
