// The outcome reports of a finished simplex run: the optimal solution with
// its variable and constraint summaries, the rows left infeasible, or the
// column that could grow without limit.
#include "reports/solution.h"

#include <cmath>
#include <cstdio>

#include "reports/sensitivity.h"
#include "reports/title.h"
#include "reports/values.h"
#include "store/print.h"

namespace zep::detail {

namespace {

void variableLine(Store& s, int j) {
    print(s, "%2d. %-8.8s", j, s.tab.varname[j]);
    double x = variable_value(s, j);
    if (x >= s.tol.eps_infe) {
        print(s, " ");
        print(s, value_format, x);
        print(s, " %15.3lf", s.tab.cost[j]);
    } else
        print(s, "            .     %15.3lf", s.tab.cost[j]);
    double d = s.tab.a_mat[0][j];
    if (std::fabs(d) < s.tol.eps_price)
        print(s, "          .   ");
    else {
        print(s, " ");
        print(s, reduced_cost_format, d * s.model.z_mult);
    }
    print(s, "\n");
}

void variableSummary(Store& s) {
    ctitle(s, "*** DECISION VARIABLE SUMMARY ***", 60);
    compose(s.buf, sizeof s.buf, "Unit %s", s.model.rname[0]);
    print(s, "Variable            Opt Value   %13.13s    Marg Value \n", s.buf);
    print(s, "------------      -----------    ------------    ---------- \n");
    for (int j = 1; j <= s.model.num_vars; j++) variableLine(s, j);
}

void constraintLine(Store& s, int r) {
    RowSummary row = row_summary(s, r);
    print(s, "%2d. %-8.8s  %2.2s %15.3lf", r, s.model.rname[r], row.relation, s.model.rrhs[r]);
    if (row.slack == 0)
        print(s, "            .         ");
    else {
        print(s, " ");
        print(s, row_format, row.slack);
        print(s, " (%.3s)", row.tag);
    }
    if (std::fabs(row.marginal) < marginal_zero)
        print(s, "            .\n");
    else {
        print(s, " ");
        print(s, row_format, row.marginal);
        print(s, "\n");
    }
}

void constraintSummary(Store& s) {
    ctitle(s, "*** CONSTRAINT SUMMARY ***", 72);
    print(s, "Constraint   Rel         RHS           Slack/Surplus    Marginal Value\n");
    print(s, "------------  --    ------------    ------------------  --------------\n");
    for (int r = 1; r <= s.model.num_cons; r++) constraintLine(s, r);
}

} // namespace

void var_summ(Store& s) {
    double value = objective_value(s);
    print(s, "Solution OPTIMAL in %d iterations:    %3.3s %s = ", s.engine.pivots, s.model.minmax,
          s.model.rname[0]);
    print(s, objective_format, value);
    print(s, "\n");
    variableSummary(s);
    constraintSummary(s);
}

void out_opt(Store& s) {
    out_opt(s, nullptr);
}

void out_opt(Store& s, const ExactTableau* exact) {
    var_summ(s);
    if (s.opt.show_range) ranger(s, exact);
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
    for (int r = 1; r <= s.model.num_cons; r++)
        if (row_unmet(s, r))
            print(s, "%2d. %8s       %12.3lf\n", r, s.model.rname[r], s.model.rrhs[r]);
}

void out_unbnd(Store& s) {
    print(s, "UNBOUNDED PROBLEM\n");
    print(s, "Variable %s can be increased without limit.\n", s.tab.varname[s.engine.piv_col]);
    print(s, "Please reformulate the model.\n");
}

} // namespace zep::detail
