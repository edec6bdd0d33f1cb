// The cost and right-hand-side ranging tables of an optimal tableau.
#include "reports/sensitivity.h"

#include <cstdio>

#include "reports/ranging.h"
#include "reports/title.h"
#include "store/print.h"

namespace zep::detail {

namespace {

// Each text stands in for the whole field it replaces, so that the field
// after it keeps its column.
constexpr const char* no_upper = "    +Infinity             ";
constexpr const char* no_lower_field = "    -Infinity             ";
constexpr const char* no_lower = "    -Infinity";

void printCostLimits(Store& s, const RangeLine& line, const char* lower_none) {
    if (line.upper.column)
        print(s, "%13.3lf %-12.12s", line.upper.value, s.tab.varname[line.upper.column]);
    else
        print(s, "%s", no_upper);
    if (line.lower.column)
        print(s, "%13.3lf %-12.12s\n", line.lower.value, s.tab.varname[line.lower.column]);
    else
        print(s, "%s\n", lower_none);
}

void printRhsLimits(Store& s, const RangeLine& line) {
    if (line.upper.column)
        print(s, "%13.2lf %-12.12s ", line.upper.value, s.tab.varname[line.upper.column]);
    else
        print(s, "%s ", no_upper);
    if (line.lower.column)
        print(s, "%13.2lf %-12.12s\n", line.lower.value, s.tab.varname[line.lower.column]);
    else
        print(s, "%s\n", no_lower);
}

} // namespace

void ranger(Store& s) {
    range_cost(s);
    range_rhs(s);
}

void range_cost(Store& s) {
    compose(s.buf, sizeof s.buf, "*** SENSITIVITY OF THE %s VALUES ***", s.model.rname[0]);
    ctitle(s, s.buf, 80);
    print(s, "Variable        Current OF    Upper Limit (Becomes+)"
             "    Lower Limit (Becomes+)\n");
    print(s, "--------------------------    ----------------------"
             "    -----------------------\n");
    for (int v = 1; v <= s.model.num_vars; v++) {
        print(s, "%2d. %-8.8s %13.3lf ", v, s.tab.varname[v], s.tab.cost[v]);
        if (s.tab.col_status[v] > 0)
            range_cb(s, v);
        else
            range_cnb(s, v);
    }
}

void range_cb(Store& s, int v) {
    printCostLimits(s, basic_cost_range(s, v), no_lower_field);
}

// A nonbasic variable's line ends after its one limit.
void range_cnb(Store& s, int v) {
    RangeLine line = nonbasic_cost_range(s, v);
    printCostLimits(s, line, line.upper.column ? no_lower : no_lower_field);
}

void range_rhs(Store& s) {
    ctitle(s, "*** RANGING THE RIGHT-HAND SIDE ***", 80);
    print(s, "Constraint         RHS      Upper Limit  (Becomes 0)"
             "   Lower Limit  (Becomes 0)\n");
    print(s, "--------------------------  ------------------------"
             "   ------------------------\n");
    for (int i = 1; i <= s.model.num_cons; i++) {
        print(s, "%2d. %-8s %13.2lf", i, s.model.rname[i], s.model.rrhs[i]);
        printRhsLimits(s, rhs_range(s, i));
    }
}

} // namespace zep::detail
