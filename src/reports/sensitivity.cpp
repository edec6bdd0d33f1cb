// The cost and right-hand-side ranging tables of an optimal tableau.
#include "reports/sensitivity.h"

#include <string>

#include "reports/fraction.h"
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
// and every field that fits keeps its bytes. A number is a double in
// places decimals, or an exact one as a fraction in a field at least as
// wide, with its blank before (lead) or after it as the decimal's.
struct Line {
    std::string text;

    void number(double v, int places, bool lead = false) {
        char field[400];
        if (lead)
            compose(field, sizeof field, " %13.*lf", places, v);
        else
            compose(field, sizeof field, "%13.*lf ", places, v);
        add(field);
    }
    void number(const mpq_class& v, int, bool lead = false) {
        std::string q = fraction(v);
        char field[400];
        if (lead)
            compose(field, sizeof field, " %13s", q.c_str());
        else
            compose(field, sizeof field, "%13s ", q.c_str());
        add(field);
    }
    void add(const char* field) {
        if (field[0] != ' ' && !text.empty() && text.back() != ' ') text += ' ';
        text += field;
    }
    void name(const char* format, const char* v) {
        char field[buf_size];
        compose(field, sizeof field, format, v);
        text += field;
    }
};

template <class Range>
void costLimits(Line& line, const Store& s, const Range& range, const char* lower_none) {
    if (range.upper.column) {
        line.number(range.upper.value, 3);
        line.name("%-12.12s", s.tab.varname[range.upper.column]);
    } else {
        line.text += no_upper;
    }
    if (range.lower.column) {
        line.number(range.lower.value, 3);
        line.name("%-12.12s", s.tab.varname[range.lower.column]);
    } else {
        line.text += lower_none;
    }
}

template <class Range> void rhsLimits(Line& line, const Store& s, const Range& range) {
    if (range.upper.column) {
        line.number(range.upper.value, 2);
        line.name("%-12.12s ", s.tab.varname[range.upper.column]);
    } else {
        line.text += no_upper;
        line.text += ' ';
    }
    if (range.lower.column) {
        line.number(range.lower.value, 2);
        line.name("%-12.12s", s.tab.varname[range.lower.column]);
    } else {
        line.text += no_lower;
    }
}

// A ranged row's line: the table moves one right-hand side, and the row
// has two.
constexpr const char* not_ranged = "(a ranged row: not ranged)";

template <class Range> void basicCostLine(Store& s, const Range& range) {
    Line line;
    costLimits(line, s, range, no_lower_field);
    print(s, "%s\n", line.text.c_str());
}

// A nonbasic variable's line ends after its one limit.
template <class Range> void nonbasicCostLine(Store& s, const Range& range) {
    Line line;
    costLimits(line, s, range, range.upper.column ? no_lower : no_lower_field);
    print(s, "%s\n", line.text.c_str());
}

// The cost table; current(v) is variable v's cost as the table prints it.
template <class Tables, class Current> void costTable(Store& s, const Tables& g, Current current) {
    compose(s.buf, sizeof s.buf, "*** SENSITIVITY OF THE %s VALUES ***", s.model.rname[0]);
    ctitle(s, s.buf, 80);
    print(s, "Variable        Current OF    Upper Limit (Becomes+)"
             "    Lower Limit (Becomes+)\n");
    print(s, "--------------------------    ----------------------"
             "    -----------------------\n");
    for (int v = 1; v <= written_vars(s); v++) {
        char lead[buf_size];
        compose(lead, sizeof lead, "%2d. %-8.8s", v, s.tab.varname[v]);
        Line line{lead};
        line.number(current(v), 3, true);
        print(s, "%s ", line.text.c_str());
        const auto& range = g.cost[static_cast<std::size_t>(v - 1)];
        if (basic_in_model(s, v))
            basicCostLine(s, range);
        else
            nonbasicCostLine(s, range);
    }
}

// The right-hand-side table; current(i) is row i's right-hand side as the
// table prints it.
template <class Tables, class Current> void rhsTable(Store& s, const Tables& g, Current current) {
    ctitle(s, "*** RANGING THE RIGHT-HAND SIDE ***", 80);
    print(s, "Constraint         RHS      Upper Limit  (Becomes 0)"
             "   Lower Limit  (Becomes 0)\n");
    print(s, "--------------------------  ------------------------"
             "   ------------------------\n");
    for (int i = 1; i <= s.model.num_cons; i++) {
        char lead[buf_size];
        compose(lead, sizeof lead, "%2d. %-8s", i, s.model.rname[i]);
        Line line{lead};
        line.number(current(i), 2, true);
        const auto& range = g.rhs[static_cast<std::size_t>(i - 1)];
        if (range.given)
            rhsLimits(line, s, range);
        else
            line.text += std::string("    ") + not_ranged;
        print(s, "%s\n", line.text.c_str());
    }
}

} // namespace

void ranger(Store& s, const ExactTableau* exact) {
    Ranging g = final_ranging(s, exact);
    range_cost(s, g);
    range_rhs(s, g);
}

void ranger_fractions(Store& s, const ExactTableau& e) {
    ExactRanging g = exact_limits(s, e);
    costTable(s, g, [&](int v) { return written(s.tab.cost[v]); });
    rhsTable(s, g, [&](int i) { return written(s.model.rrhs[i]); });
}

void range_cost(Store& s, const Ranging& g) {
    costTable(s, g, [&](int v) { return s.tab.cost[v]; });
}

void range_cb(Store& s, const RangeLine& range) {
    basicCostLine(s, range);
}

void range_cnb(Store& s, const RangeLine& range) {
    nonbasicCostLine(s, range);
}

void range_rhs(Store& s, const Ranging& g) {
    rhsTable(s, g, [&](int i) { return s.model.rrhs[i]; });
}

} // namespace zep::detail
