#include "reports/values.h"

#include <cmath>

#include "check/digits.h"

namespace zep::detail {

namespace {

Interval hull(Interval v, double shown) {
    return {std::fmin(v.lo, shown), std::fmax(v.hi, shown)};
}

Interval times(Interval v, double k) {
    return k > 0 ? Interval{v.lo * k, v.hi * k} : Interval{v.hi * k, v.lo * k};
}

// Every value in v prints alike where a value of smaller magnitude than
// point prints as a point and any other under format.
bool printsAlike(const char* format, Interval v, double point) {
    if (v.lo > -point && v.hi < point) return true;
    if (v.lo >= point || v.hi <= -point) return prints_same(format, v.lo, v.hi);
    return false;
}

bool variablePrintsExactly(const Store& s, const BasisBounds& b, int j) {
    Interval x = hull(b.x[j], variable_value(s, j));
    bool point = x.hi < s.tol.eps_infe;
    bool digits = x.lo >= s.tol.eps_infe && prints_same(value_format, x.lo, x.hi);
    Interval d = times(hull(b.d[j], s.tab.a_mat[0][j]), s.model.z_mult);
    return (point || digits) && printsAlike(reduced_cost_format, d, s.tol.eps_price);
}

// A slack prints as a point only where it is exactly zero: a nonbasic
// one, or a basic one that is exactly zero in the tableau and in b.
bool rowPrintsExactly(const Store& s, const BasisBounds& b, int r) {
    RowSummary row = row_summary(s, r);
    int k = s.tab.added_col[r];
    if (s.tab.col_status[k] > 0) {
        Interval slack = hull(b.x[k], row.slack);
        bool zero = slack.lo == 0 && slack.hi == 0;
        if (!zero &&
            (!(slack.lo > 0 || slack.hi < 0) || !prints_same(row_format, slack.lo, slack.hi)))
            return false;
    } else if (row.slack != 0) {
        return false;
    }
    Interval marginal = times(b.y[r], s.model.z_mult);
    return printsAlike(row_format, hull(marginal, row.marginal), marginal_zero);
}

// The tableau entries the values read: the store's doubles, or the exact
// tableau's rationals; the basis is the store's in both. upper is a slack
// or surplus column's upper bound (a ranged row's width).
struct FloatEntries {
    const Store& s;
    double operator()(int r, int c) const { return s.tab.a_mat[r][c]; }
    double upper(int k) const { return s.tab.upperb[k]; }
};

struct ExactEntries {
    const Store& s;
    const ExactTableau& e;
    const mpq_class& operator()(int r, int c) const { return e.a[r][c]; }
    mpq_class upper(int k) const { return written(s.model.upper[k]); }
};

// The level of a slack or surplus column: its row's value when basic, its
// upper bound (a ranged row's) when it sits there, else 0.
template <class Number, class At> Number basicLevel(const Store& s, At at, int k) {
    if (s.tab.col_status[k] == -1) return Number(at.upper(k));
    return s.tab.col_status[k] > 0 ? Number(at(s.tab.col_status[k], s.tab.rhs_col)) : Number(0);
}

// A slack or artificial column enters its row with +1 and a surplus column
// with -1, hence the opposite sign of a ">=" row's marginal value.
template <class Number, class At> RowSummaryOf<Number> rowSummary(const Store& s, At at, int r) {
    int k = s.tab.added_col[r];
    if (s.tab.row_type[r] > 0)
        return {"<=", "SLK", basicLevel<Number>(s, at, k), Number(-s.model.z_mult * at(0, k))};
    if (s.tab.row_type[r] < 0)
        return {">=", "SRP", basicLevel<Number>(s, at, k), Number(s.model.z_mult * at(0, k))};
    Number marginal = -s.model.z_mult * at(0, s.tab.art_col[r]);
    if (s.tab.isart[s.tab.basis_index[r]])
        return {" =", "ART", Number(at(r, s.tab.rhs_col)), marginal};
    return {" =", "   ", Number(0), marginal};
}

} // namespace

double variable_value(const Store& s, int j) {
    if (s.tab.col_status[j] == -1) return s.tab.upperb[j] + s.tab.lowerb[j];
    if (s.tab.col_status[j] > 0)
        return s.tab.a_mat[s.tab.col_status[j]][s.tab.rhs_col] + s.tab.lowerb[j];
    return s.tab.lowerb[j];
}

double written_value(const Store& s, int j) {
    double x = variable_value(s, j);
    if (s.model.neg_col[j] == 0) return x;
    return x - variable_value(s, s.model.neg_col[j]);
}

double reduced_cost(const Store& s, int j) {
    return s.tab.a_mat[0][j] * s.model.z_mult;
}

double objective_value(const Store& s) {
    return -s.model.z_mult * s.tab.a_mat[0][s.tab.rhs_col];
}

// The exact tableau measures each column from its lower bound, as the
// store's does.
mpq_class variable_value(const Store& s, const ExactTableau& e, int j) {
    if (s.tab.col_status[j] == -1) return written(s.model.upper[j]);
    mpq_class lower = written(s.model.lower[j]);
    return s.tab.col_status[j] > 0 ? lower + e.a[s.tab.col_status[j]][s.tab.rhs_col] : lower;
}

mpq_class written_value(const Store& s, const ExactTableau& e, int j) {
    mpq_class x = variable_value(s, e, j);
    if (s.model.neg_col[j] == 0) return x;
    return x - variable_value(s, e, s.model.neg_col[j]);
}

mpq_class reduced_cost(const Store& s, const ExactTableau& e, int j) {
    return e.a[0][j] * s.model.z_mult;
}

mpq_class objective_value(const Store& s, const ExactTableau& e) {
    return -s.model.z_mult * e.a[0][s.tab.rhs_col];
}

RowSummary row_summary(const Store& s, int r) {
    return rowSummary<double>(s, FloatEntries{s}, r);
}

RowSummaryOf<mpq_class> row_summary(const Store& s, const ExactTableau& e, int r) {
    return rowSummary<mpq_class>(s, ExactEntries{s, e}, r);
}

bool row_unmet(const Store& s, int r) {
    double level = s.engine.exact_tableau ? 0.0 : s.tol.eps_infe;
    return s.tab.isart[s.tab.basis_index[r]] && s.tab.a_mat[r][s.tab.rhs_col] > level;
}

bool summaries_print_exactly(const Store& s, const BasisBounds& b) {
    Interval objective = hull(times(b.objective, s.model.z_mult), objective_value(s));
    if (!prints_same(objective_format, objective.lo, objective.hi)) return false;
    for (int j = 1; j <= s.model.num_vars; j++)
        if (!variablePrintsExactly(s, b, j)) return false;
    for (int r = 1; r <= s.model.num_cons; r++)
        if (!rowPrintsExactly(s, b, r)) return false;
    return true;
}

} // namespace zep::detail
