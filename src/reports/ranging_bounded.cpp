// Ranging of a model with bounds, free variables or ranged rows, in the
// terms of the model as written. The engine's columns are measured from
// their lower bounds (x = l + x'), so a cost or a right-hand side moves
// them as it moves any column; what differs is that a column may sit at
// its upper bound, that a basic column may leave the basis at its upper
// bound, that a fixed column never moves, and that a free variable is two
// columns that the tables speak of as one. Every ratio is exact.
#include "reports/ranging.h"

namespace zep::detail {

namespace {

// The nearest move t on one side found so far, and the column that ends
// the range there.
struct Side {
    mpq_class t;
    int at = 0;
};

bool hasWidth(const Store& s, int j) {
    return s.model.upper[j] != s.tol.infinity;
}

mpq_class width(const Store& s, int j) {
    return written(s.model.upper[j]) - written(s.model.lower[j]);
}

// A nonbasic column that may move off its bound: not artificial, not held
// at zero by an artificial, and with room between its bounds.
bool movable(const Store& s, const ExactTableau& e, int k) {
    if (s.tab.col_status[k] > 0 || s.tab.isart[k] || never_enters(s, e, k)) return false;
    return !hasWidth(s, k) || sgn(width(s, k)) > 0;
}

// A part of a free variable without an upper bound: when the part that is
// basic reaches zero, the variable goes on through zero in the other
// part and stays basic in the model as written.
bool freePart(const Store& s, int k) {
    int j = written_column(s, k);
    return s.model.neg_col[j] != 0 && s.model.upper[j] == s.tol.infinity;
}

// How column k's reduced cost (internal, minimising) moves per unit of
// the internal cost of variable v: its own column moves by +1, a free
// variable's negative part by -1, and a basic part moves every nonbasic
// column by minus its row's entry.
mpq_class costRate(const Store& s, const ExactTableau& e, int v, int k) {
    mpq_class g = 0;
    auto part = [&](int p, int sign) {
        if (s.tab.col_status[p] > 0)
            g -= sign * e.a[e.status[p]][k];
        else if (p == k)
            g += sign;
    };
    part(v, 1);
    if (int n = s.model.neg_col[v]) part(n, -1);
    return g;
}

// A change t of v's cost keeps the basis optimal while every movable
// column's reduced cost keeps the sign its bound asks (at least zero at
// the lower bound, at most zero at the upper one). The nearest t on each
// side at which one turns is the limit, that column entering there; a
// reduced cost already 0 limits at once the side on which it would turn.
// Equal moves keep the lowest column.
ExactRangeLine boundedCostRange(const Store& s, const ExactTableau& e, int v) {
    Side up, lo;
    mpq_class rate, t;
    for (int k = 1; k <= s.tab.last_col; k++) {
        if (!movable(s, e, k)) continue;
        int side = s.tab.col_status[k] < 0 ? -1 : 1;
        rate = costRate(s, e, v, k) * (side * s.model.z_mult);
        if (sgn(rate) == 0) continue;
        t = -side * e.a[0][k] / rate;
        if (sgn(rate) < 0) {
            if (sgn(t) >= 0 && (up.at == 0 || t < up.t)) up = {t, k};
        } else if (sgn(t) <= 0 && (lo.at == 0 || t > lo.t)) {
            lo = {t, k};
        }
    }
    mpq_class c = written(s.tab.cost[v]);
    return {up.at ? ExactLimit{c + up.t, written_column(s, up.at)} : ExactLimit{},
            lo.at ? ExactLimit{c + lo.t, written_column(s, lo.at)} : ExactLimit{}};
}

// Offers a move t at which basic column p leaves: the nearest on each
// side, equal moves taking the highest row.
void offer(Side& up, Side& lo, const mpq_class& t, int p, bool upward) {
    if (upward) {
        if (up.at == 0 || t <= up.t) up = {t, p};
    } else if (lo.at == 0 || t >= lo.t) {
        lo = {t, p};
    }
}

// A change t of row i's right-hand side moves each basic level by t times
// the rate c (sigma times its entry in the row's added column, as for a
// model without bounds). The basis stays feasible while every level stays
// between zero and its column's width; a level at zero or at its width
// limits at once the side on which it would leave. A ranged row's two
// sides would move apart, which the table's one right-hand side cannot
// say: it is not ranged.
ExactRangeLine boundedRhsRange(const Store& s, const ExactTableau& e, int i) {
    if (s.model.has_range[i]) return {ExactLimit{}, ExactLimit{}, false};
    int j = s.tab.added_col[i];
    if (s.tab.col_status[j] > 0) return basic_added_range(s, e, i, j, e.status[j]);
    int sigma = s.tab.row_type[i] < 0 ? -1 : 1;
    Side up, lo;
    mpq_class c, t;
    for (int r = 1; r <= s.model.num_cons; r++) {
        int p = s.tab.basis_index[r];
        int k = e.status[p];
        if (sgn(e.a[k][j]) == 0) continue;
        if (s.tab.isart[p]) {
            // A basic artificial may not leave zero in either direction.
            offer(up, lo, 0, p, true);
            offer(up, lo, 0, p, false);
            continue;
        }
        if (freePart(s, p)) continue;
        c = sigma * e.a[k][j];
        const mpq_class& level = e.a[k][0];
        t = -level / c;
        offer(up, lo, t, p, sgn(c) < 0);
        if (!hasWidth(s, p)) continue;
        t = (width(s, p) - level) / c;
        offer(up, lo, t, p, sgn(c) > 0);
    }
    mpq_class b = written(s.model.rrhs[i]);
    return {up.at ? ExactLimit{b + up.t, written_column(s, up.at)} : ExactLimit{},
            lo.at ? ExactLimit{b + lo.t, written_column(s, lo.at)} : ExactLimit{}};
}

} // namespace

int written_column(const Store& s, int j) {
    if (j <= written_vars(s) || j > s.model.num_vars) return j;
    for (int v = 1; v <= written_vars(s); v++)
        if (s.model.neg_col[v] == j) return v;
    return j;
}

bool basic_in_model(const Store& s, int v) {
    int n = s.model.neg_col[v];
    return s.tab.col_status[v] > 0 || (n != 0 && s.tab.col_status[n] > 0);
}

ExactRanging bounded_limits(const Store& s, const ExactTableau& e) {
    ExactRanging g;
    for (int v = 1; v <= written_vars(s); v++) g.cost.push_back(boundedCostRange(s, e, v));
    for (int i = 1; i <= s.model.num_cons; i++) g.rhs.push_back(boundedRhsRange(s, e, i));
    return g;
}

} // namespace zep::detail
