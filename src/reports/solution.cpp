// The outcome reports of a finished simplex run: the optimal solution with
// its variable and constraint summaries, the rows left infeasible, or the
// column that could grow without limit.
#include "reports/solution.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "reports/fraction.h"
#include "reports/sensitivity.h"
#include "reports/title.h"
#include "reports/values.h"
#include "store/print.h"

namespace zep::detail {

namespace {

// The lines of the summaries, each field in its own format, printed a few
// fields at a time.
constexpr auto valued_variable = join("%2d. %-8.8s ", value_format, " %15.3lf");
constexpr auto reduced_cost_end = join(" ", reduced_cost_format, "\n");
constexpr auto row_with_slack = join("%2d. %-8.8s  %2.2s %15.3lf ", row_format, " (%.3s)");
constexpr auto marginal_end = join(" ", row_format, "\n");
constexpr auto objective_line =
    join("Solution OPTIMAL in %d iterations:    %3.3s %s = ", objective_format, "\n");

void variableLine(Store& s, int j) {
    double x = written_value(s, j);
    // A variable that may go below zero prints its negative values too.
    bool may_be_negative = s.model.lower[j] < 0 || s.model.neg_col[j] != 0;
    if (x >= s.tol.eps_infe || (may_be_negative && x <= -s.tol.eps_infe))
        print(s, valued_variable.text, j, s.tab.varname[j], x, s.tab.cost[j]);
    else
        print(s, "%2d. %-8.8s            .     %15.3lf", j, s.tab.varname[j], s.tab.cost[j]);
    double d = s.tab.a_mat[0][j];
    if (std::fabs(d) < s.tol.eps_price)
        print(s, "          .   \n");
    else
        print(s, reduced_cost_end.text, d * s.model.z_mult);
}

// The same line in exact fractions: a point stands for exactly zero.
void variableLine(Store& s, const ExactTableau& e, int j) {
    print(s, "%2d. %-8.8s", j, s.tab.varname[j]);
    mpq_class x = written_value(s, e, j);
    std::string cost = fraction(written(s.tab.cost[j]));
    if (sgn(x) != 0)
        print(s, " %16s %15s", fraction(x).c_str(), cost.c_str());
    else
        print(s, "            .     %15s", cost.c_str());
    mpq_class d = reduced_cost(s, e, j);
    if (sgn(d) == 0)
        print(s, "          .   ");
    else
        print(s, " %13s", fraction(d).c_str());
    print(s, "\n");
}

template <class Line> void variableSummary(Store& s, Line line) {
    ctitle(s, "*** DECISION VARIABLE SUMMARY ***", 60);
    compose(s.buf, sizeof s.buf, "Unit %s", s.model.rname[0]);
    print(s, "Variable            Opt Value   %13.13s    Marg Value \n", s.buf);
    print(s, "------------      -----------    ------------    ---------- \n");
    for (int j = 1; j <= written_vars(s); j++) line(j);
}

void constraintLine(Store& s, int r) {
    RowSummary row = row_summary(s, r);
    if (row.slack == 0)
        print(s, "%2d. %-8.8s  %2.2s %15.3lf            .         ", r, s.model.rname[r],
              row.relation, s.model.rrhs[r]);
    else
        print(s, row_with_slack.text, r, s.model.rname[r], row.relation, s.model.rrhs[r], row.slack,
              row.tag);
    if (std::fabs(row.marginal) < marginal_zero)
        print(s, "            .\n");
    else
        print(s, marginal_end.text, row.marginal);
}

void constraintLine(Store& s, const ExactTableau& e, int r) {
    RowSummaryOf<mpq_class> row = row_summary(s, e, r);
    print(s, "%2d. %-8.8s  %2.2s %15s", r, s.model.rname[r], row.relation,
          fraction(written(s.model.rrhs[r])).c_str());
    if (sgn(row.slack) == 0)
        print(s, "            .         ");
    else
        print(s, " %15s (%.3s)", fraction(row.slack).c_str(), row.tag);
    if (sgn(row.marginal) == 0)
        print(s, "            .\n");
    else
        print(s, " %15s\n", fraction(row.marginal).c_str());
}

template <class Line> void constraintSummary(Store& s, Line line) {
    ctitle(s, "*** CONSTRAINT SUMMARY ***", 72);
    print(s, "Constraint   Rel         RHS           Slack/Surplus    Marginal Value\n");
    print(s, "------------  --    ------------    ------------------  --------------\n");
    for (int r = 1; r <= s.model.num_cons; r++) line(r);
}

void infeasibleHeader(Store& s) {
    print(s, "The problem is infeasible -- contradictory constraints have been\n"
             "posed, such as:   X<10 and X>20.     Specifically, the following\n"
             "constraints could not be satisfied:\n\n"
             "Constraint        RHS Violation\n"
             "----------        -------------\n");
}

// A right-hand side in the report's digits: one that shows as zero shows
// without a sign (a row flipped once its columns were at their bounds may
// hold a small negative one).
std::string rhsDigits(double v) {
    char text[400];
    compose(text, sizeof text, "%12.3lf", v);
    std::string shown = text;
    std::size_t minus = shown.find('-');
    if (minus != std::string::npos && shown.find_first_of("123456789") == std::string::npos)
        shown[minus] = ' ';
    return shown;
}

} // namespace

void var_summ(Store& s) {
    double value = objective_value(s);
    print(s, objective_line.text, s.engine.pivots, s.model.minmax, s.model.rname[0], value);
    variableSummary(s, [&](int j) { variableLine(s, j); });
    constraintSummary(s, [&](int r) { constraintLine(s, r); });
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
    infeasibleHeader(s);
    for (int r = 1; r <= s.model.num_cons; r++)
        if (row_unmet(s, r))
            print(s, "%2d. %8s       %s\n", r, s.model.rname[r],
                  rhsDigits(s.model.rrhs[r]).c_str());
}

void out_opt(Store& s, const ExactTableau& e) {
    print(s, "Solution OPTIMAL in %d iterations:    %3.3s %s = %s\n", s.engine.pivots,
          s.model.minmax, s.model.rname[0], fraction(objective_value(s, e)).c_str());
    variableSummary(s, [&](int j) { variableLine(s, e, j); });
    constraintSummary(s, [&](int r) { constraintLine(s, e, r); });
    if (s.opt.show_range) ranger_fractions(s, e);
}

// Every row whose artificial stays above zero, exactly.
void out_infe(Store& s, const ExactTableau& e) {
    print(s, "PROBLEM INFEASIBLE\n");
    infeasibleHeader(s);
    for (int r = 1; r <= s.model.num_cons; r++)
        if (s.tab.isart[e.basis[r]] && sgn(e.a[r][s.tab.rhs_col]) > 0)
            print(s, "%2d. %8s       %12s\n", r, s.model.rname[r],
                  fraction(written(s.model.rrhs[r])).c_str());
}

void out_unbnd(Store& s) {
    print(s, "UNBOUNDED PROBLEM\n");
    int q = s.engine.piv_col;
    int v = written_column(s, q);
    print(s, "Variable %s can be %s without limit.\n", s.tab.varname[v],
          v == q ? "increased" : "decreased");
    print(s, "Please reformulate the model.\n");
}

} // namespace zep::detail
