// The cost and right-hand-side ranging tables of an optimal tableau.
#include "reports/sensitivity.h"

#include <string>

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

// A line of a table, composed field by field. A number too wide for its
// field would run into the text before it; it is set off by one blank,
// and every field that fits keeps its bytes.
struct Line {
    std::string text;

    void number(const char* format, double v) {
        char field[400];
        compose(field, sizeof field, format, v);
        if (field[0] != ' ' && !text.empty() && text.back() != ' ') text += ' ';
        text += field;
    }
    void name(const char* format, const char* v) {
        char field[buf_size];
        compose(field, sizeof field, format, v);
        text += field;
    }
};

void costLimits(Line& line, const Store& s, const RangeLine& range, const char* lower_none) {
    if (range.upper.column) {
        line.number("%13.3lf ", range.upper.value);
        line.name("%-12.12s", s.tab.varname[range.upper.column]);
    } else {
        line.text += no_upper;
    }
    if (range.lower.column) {
        line.number("%13.3lf ", range.lower.value);
        line.name("%-12.12s", s.tab.varname[range.lower.column]);
    } else {
        line.text += lower_none;
    }
}

void rhsLimits(Line& line, const Store& s, const RangeLine& range) {
    if (range.upper.column) {
        line.number("%13.2lf ", range.upper.value);
        line.name("%-12.12s ", s.tab.varname[range.upper.column]);
    } else {
        line.text += no_upper;
        line.text += ' ';
    }
    if (range.lower.column) {
        line.number("%13.2lf ", range.lower.value);
        line.name("%-12.12s", s.tab.varname[range.lower.column]);
    } else {
        line.text += no_lower;
    }
}

} // namespace

// The tables' terms hold no bounds: a model with them gets each table's
// head and a line that says so.
constexpr const char* not_ranged = "(the model has bounds or ranges: not ranged)";

void ranger(Store& s, const ExactTableau* exact) {
    if (!only_non_negative(s)) {
        Ranging none;
        range_cost(s, none);
        range_rhs(s, none);
        return;
    }
    Ranging g = final_ranging(s, exact);
    range_cost(s, g);
    range_rhs(s, g);
}

void range_cost(Store& s, const Ranging& g) {
    compose(s.buf, sizeof s.buf, "*** SENSITIVITY OF THE %s VALUES ***", s.model.rname[0]);
    ctitle(s, s.buf, 80);
    print(s, "Variable        Current OF    Upper Limit (Becomes+)"
             "    Lower Limit (Becomes+)\n");
    print(s, "--------------------------    ----------------------"
             "    -----------------------\n");
    for (int v = 1; v <= written_vars(s); v++) {
        print(s, "%2d. %-8.8s %13.3lf ", v, s.tab.varname[v], s.tab.cost[v]);
        if (g.cost.empty()) {
            print(s, "%s\n", not_ranged);
            continue;
        }
        const RangeLine& line = g.cost[static_cast<std::size_t>(v - 1)];
        if (s.tab.col_status[v] > 0)
            range_cb(s, line);
        else
            range_cnb(s, line);
    }
}

void range_cb(Store& s, const RangeLine& range) {
    Line line;
    costLimits(line, s, range, no_lower_field);
    print(s, "%s\n", line.text.c_str());
}

// A nonbasic variable's line ends after its one limit.
void range_cnb(Store& s, const RangeLine& range) {
    Line line;
    costLimits(line, s, range, range.upper.column ? no_lower : no_lower_field);
    print(s, "%s\n", line.text.c_str());
}

void range_rhs(Store& s, const Ranging& g) {
    ctitle(s, "*** RANGING THE RIGHT-HAND SIDE ***", 80);
    print(s, "Constraint         RHS      Upper Limit  (Becomes 0)"
             "   Lower Limit  (Becomes 0)\n");
    print(s, "--------------------------  ------------------------"
             "   ------------------------\n");
    for (int i = 1; i <= s.model.num_cons; i++) {
        char lead[buf_size];
        compose(lead, sizeof lead, "%2d. %-8s", i, s.model.rname[i]);
        Line line{lead};
        line.number(" %13.2lf", s.model.rrhs[i]);
        if (g.rhs.empty())
            line.text += std::string("    ") + not_ranged;
        else
            rhsLimits(line, s, g.rhs[static_cast<std::size_t>(i - 1)]);
        print(s, "%s\n", line.text.c_str());
    }
}

} // namespace zep::detail
