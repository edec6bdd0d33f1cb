// The objective is minimised internally (row 0 holds z_mult times the
// coefficients), and z_mult turns ratios and limits back into the sense of
// the model. Every ratio, comparison and limit is exact, so a tie is a tie
// of the exact tableau and no entry is too small to count.
#include "reports/ranging.h"

#include "simplex/artificial.h"

namespace zep::detail {

namespace {

// One side of a range: the nearest ratio found so far and the column or
// row that gives it, at 0 while none has.
struct Bound {
    mpq_class ratio;
    int at = 0;
};

Limit nearest(const ExactLimit& l) {
    return {l.column ? nearest_double(l.value) : 0, l.column};
}

} // namespace

// While an artificial stays basic at zero, the phase-1 row proves every
// column whose move would raise it zero in every feasible point: such a
// column neither limits a cost range nor has one.
bool never_enters(const Store& s, const ExactTableau& e, int j) {
    int p1 = s.tab.ph1_row;
    if (!artificialBasic(s) || p1 <= s.model.num_cons || p1 >= static_cast<int>(e.a.size()))
        return false;
    int rise = sgn(e.a[s.tab.ph1_row][j]);
    return (s.tab.col_status[j] == 0 ? rise : -rise) > 0;
}

// Only the added column's level w moves with the right-hand side.
ExactRangeLine basic_added_range(const Store& s, const ExactTableau& e, int i, int j, int k) {
    const mpq_class& w = e.a[k][0];
    mpq_class b = written(s.model.rrhs[i]);
    if (s.tab.row_type[i] > 0) return {ExactLimit{}, {b - w, j}};
    if (s.tab.row_type[i] < 0) return {{b + w, j}, ExactLimit{}};
    // A basic artificial has to stay at zero for the equality to hold, so
    // its row's right-hand side cannot move either way.
    return {{b, j}, {b, j}};
}

namespace {

// Right-hand-side ranging of a row whose added column j is nonbasic: the
// level of each basic variable moves by sigma times its entry in j per
// unit of right-hand side (a surplus column enters its row with -1, hence
// sigma -1 for a ">=" row), and the nearest level to reach zero on each
// side limits. The rows are taken in the store's order, and equal ratios
// take the highest.
ExactRangeLine nonbasicAddedRange(const Store& s, const ExactTableau& e, int i, int j) {
    int sigma = s.tab.row_type[i] < 0 ? -1 : 1;
    Bound pos, neg;
    mpq_class q;
    for (int r = 1; r <= s.model.num_cons; r++) {
        int basic = s.tab.basis_index[r];
        int k = e.status[basic];
        const mpq_class& a = e.a[k][j];
        if (sgn(a) == 0) continue;
        q = e.a[k][0] / a;
        if (sigma < 0) q = -q;
        if (s.tab.isart[basic]) {
            // A basic artificial may not leave zero in either direction.
            pos = {0, basic};
            neg = {0, basic};
        } else if (sgn(q) > 0 || (sgn(q) == 0 && sigma * sgn(a) > 0)) {
            // A level already at zero limits the side on which it falls.
            if (pos.at == 0 || q <= pos.ratio) pos = {q, basic};
        } else if (neg.at == 0 || q >= neg.ratio) {
            neg = {q, basic};
        }
    }
    mpq_class b = written(s.model.rrhs[i]);
    return {neg.at ? ExactLimit{b - neg.ratio, neg.at} : ExactLimit{},
            pos.at ? ExactLimit{b - pos.ratio, pos.at} : ExactLimit{}};
}

} // namespace

ExactRanging exact_limits(const Store& s, const ExactTableau& e) {
    if (!only_non_negative(s)) return bounded_limits(s, e);
    ExactRanging g;
    for (int v = 1; v <= s.model.num_vars; v++) g.cost.push_back(cost_range(s, e, v));
    for (int i = 1; i <= s.model.num_cons; i++) g.rhs.push_back(rhs_range(s, e, i));
    return g;
}

Ranging exact_ranging(const Store& s, const ExactTableau& e) {
    ExactRanging exact = exact_limits(s, e);
    Ranging g;
    for (int v = 1; v <= static_cast<int>(exact.cost.size()); v++) {
        const ExactRangeLine& line = exact.cost[static_cast<std::size_t>(v - 1)];
        g.cost.push_back({s.tab.varname[v], s.tab.cost[v], nearest(line.upper), nearest(line.lower),
                          line.given});
    }
    for (int i = 1; i <= s.model.num_cons; i++) {
        const ExactRangeLine& line = exact.rhs[static_cast<std::size_t>(i - 1)];
        g.rhs.push_back({s.model.rname[i], s.model.rrhs[i], nearest(line.upper),
                         nearest(line.lower), line.given});
    }
    return g;
}

Ranging final_ranging(const Store& s, const ExactTableau* exact) {
    Ranging g;
    if (only_non_negative(s) && float_ranging(s, g)) return g;
    if (exact != nullptr && exact->at_basis) return exact_ranging(s, *exact);
    return exact_ranging(s, ranging_tableau(s));
}

ExactTableau ranging_tableau(const Store& s) {
    ExactTableau e = exact_at_basis(s);
    if (e.at_basis) return e; // moved, where the conditional would copy
    return exact_of_doubles(s);
}

ExactRangeLine cost_range(const Store& s, const ExactTableau& e, int v) {
    return s.tab.col_status[v] > 0 ? basic_cost_range(s, e, v) : nonbasic_cost_range(s, e, v);
}

// A change t of v's cost shifts the reduced cost of every nonbasic column
// j by t times v's row entry in j; the nearest one to turn negative on
// each side would enter there. A column whose reduced cost is already 0
// (an alternative optimum) limits at once the side on which it would turn
// negative. Equal ratios keep the lowest column.
ExactRangeLine basic_cost_range(const Store& s, const ExactTableau& e, int v) {
    int r = e.status[v];
    Bound up, lo;
    mpq_class q;
    for (int j = 1; j <= s.tab.last_col; j++) {
        if (s.tab.col_status[j] > 0 || s.tab.isart[j] || never_enters(s, e, j)) continue;
        const mpq_class& entry = e.a[r][j];
        if (sgn(entry) == 0) continue;
        int side = s.tab.col_status[j] < 0 ? -1 : 1;
        q = e.a[0][j] / entry;
        if (s.model.z_mult < 0) q = -q;
        if (s.model.z_mult * side * sgn(entry) > 0) {
            if (sgn(q) >= 0 && (up.at == 0 || q < up.ratio)) up = {q, j};
        } else if (sgn(q) <= 0 && (lo.at == 0 || q > lo.ratio)) {
            lo = {q, j};
        }
    }
    mpq_class c = written(s.tab.cost[v]);
    return {up.at ? ExactLimit{c + up.ratio, up.at} : ExactLimit{},
            lo.at ? ExactLimit{c + lo.ratio, lo.at} : ExactLimit{}};
}

// A nonbasic variable enters itself once its cost has moved by its reduced
// cost in the improving direction; the other direction has no limit.
ExactRangeLine nonbasic_cost_range(const Store& s, const ExactTableau& e, int v) {
    if (never_enters(s, e, v)) return {ExactLimit{}, ExactLimit{}};
    double side = s.tab.col_status[v] != 0 ? -1.0 : 1.0;
    mpq_class limit = written(s.tab.cost[v]);
    if (s.model.z_mult < 0)
        limit += e.a[0][v];
    else
        limit -= e.a[0][v];
    if (s.model.z_mult * side < 0) return {{limit, v}, ExactLimit{}};
    return {ExactLimit{}, {limit, v}};
}

ExactRangeLine rhs_range(const Store& s, const ExactTableau& e, int i) {
    int j = s.tab.added_col[i];
    if (s.tab.col_status[j] > 0) return basic_added_range(s, e, i, j, e.status[j]);
    return nonbasicAddedRange(s, e, i, j);
}

} // namespace zep::detail
