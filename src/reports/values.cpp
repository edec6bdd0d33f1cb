#include "reports/values.h"

namespace zep::detail {

namespace {

// The level of a slack or surplus column: its row's value when basic, else
// 0 (these columns have no upper bound to sit at).
double basicLevel(const Store& s, int k) {
    return s.tab.col_status[k] > 0 ? s.tab.a_mat[s.tab.col_status[k]][s.tab.rhs_col] : 0;
}

} // namespace

double variable_value(const Store& s, int j) {
    if (s.tab.col_status[j] == -1) return s.tab.upperb[j] + s.tab.lowerb[j];
    if (s.tab.col_status[j] > 0)
        return s.tab.a_mat[s.tab.col_status[j]][s.tab.rhs_col] + s.tab.lowerb[j];
    return s.tab.lowerb[j];
}

double reduced_cost(const Store& s, int j) {
    return s.tab.a_mat[0][j] * s.model.z_mult;
}

double objective_value(const Store& s) {
    return -s.model.z_mult * s.tab.a_mat[0][s.tab.rhs_col];
}

// A slack or artificial column enters its row with +1 and a surplus column
// with -1, hence the opposite sign of a ">=" row's marginal value.
RowSummary row_summary(const Store& s, int r) {
    int t = s.tab.row_type[r];
    if (t > 0) return {"<=", "SLK", basicLevel(s, t), -s.model.z_mult * s.tab.a_mat[0][t]};
    if (t < 0) return {">=", "SRP", basicLevel(s, -t), s.model.z_mult * s.tab.a_mat[0][-t]};
    double marginal = -s.model.z_mult * s.tab.a_mat[0][s.tab.art_col[r]];
    if (s.tab.isart[s.tab.basis_index[r]])
        return {" =", "ART", s.tab.a_mat[r][s.tab.rhs_col], marginal};
    return {" =", "   ", 0, marginal};
}

} // namespace zep::detail
