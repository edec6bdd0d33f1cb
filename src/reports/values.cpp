#include "reports/values.h"

#include "reports/added_columns.h"

namespace zep {

namespace {

// The level of a slack or surplus column: its row's value when basic, else
// 0 (these columns have no upper bound to sit at).
double basicLevel(const Store& s, int k) {
    return s.col_status[k] > 0 ? s.a_mat[s.col_status[k]][s.rhs_col] : 0;
}

} // namespace

double variable_value(const Store& s, int j) {
    if (s.col_status[j] == -1) return s.upperb[j] + s.lowerb[j];
    if (s.col_status[j] > 0) return s.a_mat[s.col_status[j]][s.rhs_col] + s.lowerb[j];
    return s.lowerb[j];
}

double reduced_cost(const Store& s, int j) {
    return s.a_mat[0][j] * s.z_mult;
}

double objective_value(const Store& s) {
    return -s.z_mult * s.a_mat[0][s.rhs_col];
}

// A slack or artificial column enters its row with +1 and a surplus column
// with -1, hence the opposite sign of a ">=" row's marginal value.
RowSummary row_summary(const Store& s, int r) {
    int t = s.row_type[r];
    if (t > 0) return {"<=", "SLK", basicLevel(s, t), -s.z_mult * s.a_mat[0][t]};
    if (t < 0) return {">=", "SRP", basicLevel(s, -t), s.z_mult * s.a_mat[0][-t]};
    double marginal = -s.z_mult * s.a_mat[0][artificialColumn(s, r)];
    if (s.isart[s.basis_index[r]]) return {" =", "ART", s.a_mat[r][s.rhs_col], marginal};
    return {" =", "   ", 0, marginal};
}

} // namespace zep
