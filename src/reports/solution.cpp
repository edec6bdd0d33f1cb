// The outcome reports of a finished simplex run: the optimal solution with
// its variable and constraint summaries, the rows left infeasible, or the
// column that could grow without limit.
#include "reports/solution.h"

#include <cmath>
#include <cstdio>

#include "driver/cmdline.h"
#include "reports/added_columns.h"
#include "reports/sensitivity.h"
#include "store/print.h"

namespace zep {

namespace {

// A constraint marginal value of smaller magnitude prints as a point.
constexpr double marginal_zero = 0.0001;

double variableValue(const Store& s, int j) {
    if (s.col_status[j] == -1) return s.upperb[j] + s.lowerb[j];
    if (s.col_status[j] > 0) return s.a_mat[s.col_status[j]][s.rhs_col] + s.lowerb[j];
    return s.lowerb[j];
}

// The level of a slack or surplus column: its row's value when basic, else
// 0 (these columns have no upper bound to sit at).
double basicLevel(const Store& s, int k) {
    return s.col_status[k] > 0 ? s.a_mat[s.col_status[k]][s.rhs_col] : 0;
}

void variableLine(Store& s, int j) {
    print(s, "%2d. %-8.8s", j, s.varname[j]);
    double x = variableValue(s, j);
    if (x >= s.eps_infe)
        print(s, " %16.4lf %15.3lf", x, s.cost[j]);
    else
        print(s, "            .     %15.3lf", s.cost[j]);
    double d = s.a_mat[0][j];
    if (std::fabs(d) < s.eps_price)
        print(s, "          .   ");
    else
        print(s, " %13.3lf", d * s.z_mult);
    print(s, "\n");
}

void variableSummary(Store& s) {
    ctitle(s, "*** DECISION VARIABLE SUMMARY ***", 60);
    compose(s.buf, sizeof s.buf, "Unit %s", s.rname[0]);
    print(s, "Variable            Opt Value   %13.13s    Marg Value \n", s.buf);
    print(s, "------------      -----------    ------------    ---------- \n");
    for (int j = 1; j <= s.num_vars; j++) variableLine(s, j);
}

struct RowSummary {
    const char* relation;
    const char* tag;
    double slack;
    double marginal;
};

// A slack or artificial column enters its row with +1 and a surplus column
// with -1, hence the opposite sign of a ">=" row's marginal value.
RowSummary summarize(const Store& s, int r) {
    int t = s.row_type[r];
    if (t > 0) return {"<=", "SLK", basicLevel(s, t), -s.z_mult * s.a_mat[0][t]};
    if (t < 0) return {">=", "SRP", basicLevel(s, -t), s.z_mult * s.a_mat[0][-t]};
    double marginal = -s.z_mult * s.a_mat[0][artificialColumn(s, r)];
    if (s.isart[s.basis_index[r]]) return {" =", "ART", s.a_mat[r][s.rhs_col], marginal};
    return {" =", "   ", 0, marginal};
}

void constraintLine(Store& s, int r) {
    RowSummary row = summarize(s, r);
    print(s, "%2d. %-8.8s  %2.2s %15.3lf", r, s.rname[r], row.relation, s.rrhs[r]);
    if (row.slack == 0)
        print(s, "            .         ");
    else
        print(s, " %15.3lf (%.3s)", row.slack, row.tag);
    if (std::fabs(row.marginal) < marginal_zero)
        print(s, "            .\n");
    else
        print(s, " %15.3lf\n", row.marginal);
}

void constraintSummary(Store& s) {
    ctitle(s, "*** CONSTRAINT SUMMARY ***", 72);
    print(s, "Constraint   Rel         RHS           Slack/Surplus    Marginal Value\n");
    print(s, "------------  --    ------------    ------------------  --------------\n");
    for (int r = 1; r <= s.num_cons; r++) constraintLine(s, r);
}

} // namespace

void var_summ(Store& s) {
    double value = -s.z_mult * s.a_mat[0][s.rhs_col];
    print(s, "Solution OPTIMAL in %d iterations:    %3.3s %s = %lg\n", s.pivots, s.minmax,
          s.rname[0], value);
    variableSummary(s);
    constraintSummary(s);
}

void out_opt(Store& s) {
    var_summ(s);
    if (s.show_range) ranger(s);
}

void out_infe(Store& s) {
    print(s, "PROBLEM INFEASIBLE\n");
    infe_summ(s);
}

void infe_summ(Store& s) {
    print(s, "The problem is infeasible -- contradictory constraints have been\n"
             "posed, such as:   X<10 and X>20.     Specifically, the following\n"
             "constraints could not be satisfied:\n\n"
             "Constraint        RHS Violation\n"
             "----------        -------------\n");
    // An exact tableau lists every artificial above zero: none of them is
    // rounding noise.
    double level = s.exact_tableau ? 0.0 : s.eps_infe;
    for (int r = 1; r <= s.num_cons; r++)
        if (s.isart[s.basis_index[r]] && s.a_mat[r][s.rhs_col] > level)
            print(s, "%2d. %8s       %12.3lf\n", r, s.rname[r], s.rrhs[r]);
}

void out_unbnd(Store& s) {
    print(s, "UNBOUNDED PROBLEM\n");
    print(s, "Variable %s can be increased without limit.\n", s.varname[s.piv_col]);
    print(s, "Please reformulate the model.\n");
}

} // namespace zep
