// The objective is minimised internally (row 0 holds z_mult times the
// coefficients), and z_mult turns ratios and limits back into the sense of
// the model.
#include "reports/ranging.h"

#include <cmath>

#include "simplex/artificial.h"

namespace zep::detail {

namespace {

// One side of a range: the smallest ratio found so far and the column or
// row that gives it. A side without a limit is one where none was chosen;
// the search starts from a true infinity, so that a ratio beyond the
// store's infinity (1e30) still limits.
struct Bound {
    double ratio;
    int at;
};

constexpr double unlimited = HUGE_VAL;

constexpr Limit no_limit{0, 0};

// While an artificial stays basic the engine lets no column enter that
// would raise it; such a column is zero in every feasible point, so it
// neither limits a cost range nor has one.
bool neverEnters(const Store& s, int j) {
    return artificialBasic(s) && raisesArtificials(s, j);
}

Limit limitAt(double value, const Bound& b, int column) {
    return b.at ? Limit{value, column} : no_limit;
}

// Right-hand-side ranging of a row whose added column j is basic, in row k:
// only that column's level w moves with the right-hand side.
RangeLine basicAddedRange(const Store& s, int i, int j, int k) {
    double w = s.tab.a_mat[k][s.tab.rhs_col];
    double b = s.model.rrhs[i];
    if (s.tab.row_type[i] > 0) return {s.model.rname[i], b, no_limit, {b - w, j}};
    if (s.tab.row_type[i] < 0) return {s.model.rname[i], b, {b + w, j}, no_limit};
    // A basic artificial has to stay at zero for the equality to hold, so
    // its row's right-hand side cannot move either way.
    return {s.model.rname[i], b, {b, j}, {b, j}};
}

// Right-hand-side ranging of a row whose added column j is nonbasic: the
// level of row k's basic variable moves by sigma times a_mat[k][j] per unit
// of right-hand side (a surplus column enters its row with -1, hence sigma
// -1 for a ">=" row), and the nearest level to reach zero on each side
// limits. Equal ratios take the highest row.
RangeLine nonbasicAddedRange(const Store& s, int i, int j) {
    double sigma = s.tab.row_type[i] < 0 ? -1.0 : 1.0;
    Bound pos{unlimited, 0}, neg{-unlimited, 0};
    for (int k = 1; k <= s.model.num_cons; k++) {
        double a = s.tab.a_mat[k][j];
        if (a == 0) continue;
        double q = s.tab.a_mat[k][s.tab.rhs_col] * sigma / a;
        if (s.tab.isart[s.tab.basis_index[k]]) {
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
    double b = s.model.rrhs[i];
    return {s.model.rname[i], b, limitAt(b - neg.ratio, neg, s.tab.basis_index[neg.at]),
            limitAt(b - pos.ratio, pos, s.tab.basis_index[pos.at])};
}

} // namespace

RangeLine cost_range(const Store& s, int v) {
    return s.tab.col_status[v] > 0 ? basic_cost_range(s, v) : nonbasic_cost_range(s, v);
}

// A change of v's cost shifts the reduced cost of every nonbasic column j by
// the change times v's row entry in j; the nearest one to turn attractive
// on each side would enter there. Equal ratios keep the lowest column, and
// a ratio of exactly 0 limits neither side.
RangeLine basic_cost_range(const Store& s, int v) {
    int r = s.tab.col_status[v];
    Bound up{unlimited, 0}, lo{-unlimited, 0};
    for (int j = 1; j <= s.tab.last_col; j++) {
        if (s.tab.col_status[j] > 0 || s.tab.isart[j] || neverEnters(s, j)) continue;
        double e = s.tab.a_mat[r][j];
        if (std::fabs(e) <= s.tol.eps_pivot) continue;
        double side = s.tab.col_status[j] < 0 ? -1.0 : 1.0;
        double q = s.tab.a_mat[0][j] / e * s.model.z_mult;
        if (s.model.z_mult * side * e >= 0) {
            if (q > 0 && q < up.ratio) up = {q, j};
        } else if (q < 0 && q > lo.ratio) {
            lo = {q, j};
        }
    }
    double c = s.tab.cost[v];
    return {s.tab.varname[v], c, limitAt(c + up.ratio, up, up.at),
            limitAt(c + lo.ratio, lo, lo.at)};
}

// A nonbasic variable enters itself once its cost has moved by its reduced
// cost in the improving direction; the other direction has no limit.
RangeLine nonbasic_cost_range(const Store& s, int v) {
    double c = s.tab.cost[v];
    if (neverEnters(s, v)) return {s.tab.varname[v], c, no_limit, no_limit};
    double side = s.tab.col_status[v] != 0 ? -1.0 : 1.0;
    Limit limit{c - s.model.z_mult * s.tab.a_mat[0][v], v};
    if (s.model.z_mult * side < 0) return {s.tab.varname[v], c, limit, no_limit};
    return {s.tab.varname[v], c, no_limit, limit};
}

RangeLine rhs_range(const Store& s, int i) {
    int j = s.tab.added_col[i];
    if (s.tab.col_status[j] > 0) return basicAddedRange(s, i, j, s.tab.col_status[j]);
    return nonbasicAddedRange(s, i, j);
}

} // namespace zep::detail
