// The ranging tables checked by solving again: a cost or right-hand side
// moved just inside a reported limit keeps the optimal basis, moved just
// past it changes the basis.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "driver/solve.h"
#include "support.h"

namespace {

using zep::detail::testing::Harness;

struct Row {
    std::string label;
    std::vector<double> coefs;
    std::string rel;
    double rhs;
};

struct Model {
    std::string sense;
    std::vector<std::string> vars;
    std::string objective;
    std::vector<double> costs;
    std::vector<Row> rows;

    std::string text() const {
        std::ostringstream t;
        t.precision(17);
        t << sense << ' ' << vars.size() << ' ' << rows.size() << '\n';
        for (const auto& v : vars) t << v << ' ';
        t << '\n' << objective;
        for (double c : costs) t << ' ' << c;
        t << '\n';
        for (const auto& r : rows) {
            t << r.label;
            for (double a : r.coefs) t << ' ' << a;
            t << ' ' << r.rel << ' ' << r.rhs << '\n';
        }
        return t.str();
    }
};

struct Outcome {
    zep::Outcome end_stat;
    std::vector<int> basis; // the basic columns, in increasing order
    std::vector<std::string> lines;
};

Outcome solveModel(const Model& m) {
    Harness h(m.text());
    zep::detail::Store& s = h.store();
    std::snprintf(s.file_name, sizeof s.file_name, "m.mat");
    s.opt.show_range = 1;
    zep::detail::initParam(s);
    EXPECT_EQ(h.run([](zep::detail::Store& st) { zep::detail::solve(st); }), -1);
    Outcome o{s.engine.end_stat, {}, {}};
    for (int r = 1; r <= s.model.num_cons; r++) o.basis.push_back(s.tab.basis_index[r]);
    std::sort(o.basis.begin(), o.basis.end());
    std::istringstream in(h.output());
    for (std::string line; std::getline(in, line);) o.lines.push_back(line);
    return o;
}

constexpr double none = 1e300;

double field(const std::string& text) {
    if (text.find("Infinity") != std::string::npos) return none;
    return std::strtod(text.c_str(), nullptr);
}

struct Limits {
    double upper;
    double lower;
};

// The limits of the n-th entry of the table whose title contains title.
// Each entry line is the lead, the upper field and the lower field.
Limits tableLimits(const Outcome& o, const char* title, int n, std::size_t lead,
                   std::size_t upper_width) {
    auto at = std::find_if(o.lines.begin(), o.lines.end(), [&](const std::string& l) {
        return l.find(title) != std::string::npos;
    });
    const std::string& line = *(at + 3 + n);
    return {field(line.substr(lead, upper_width)), field(line.substr(lead + upper_width))};
}

// Printed limits are rounded (3 decimals for costs, 2 for right-hand
// sides); the probes stay clear of that.
constexpr double probe = 0.02;

// Moves one number of the model to each side of each finite limit: a probe
// between the limits keeps the basis, one beyond them changes it (or leaves
// no optimum). A range of zero width has no probe inside.
template <class Set>
void checkLimits(const Model& base, const Outcome& at_base, Limits l, Set set) {
    for (double limit : {l.upper, l.lower}) {
        if (limit == none) continue;
        for (double value : {limit - probe, limit + probe}) {
            Model m = base;
            if (!set(m, value)) continue;
            Outcome o = solveModel(m);
            bool inside =
                (l.upper == none || value <= l.upper) && (l.lower == none || value >= l.lower);
            if (inside) {
                EXPECT_TRUE(o.end_stat == zep::Outcome::optimal && o.basis == at_base.basis)
                    << "at " << value << ", inside the limits";
            } else {
                EXPECT_TRUE(o.end_stat != zep::Outcome::optimal || o.basis != at_base.basis)
                    << "at " << value << ", beyond limit " << limit;
            }
        }
    }
}

void checkRanging(const Model& base) {
    Outcome at_base = solveModel(base);
    ASSERT_EQ(at_base.end_stat, zep::Outcome::optimal);
    for (std::size_t v = 0; v < base.vars.size(); v++) {
        SCOPED_TRACE("cost of " + base.vars[v]);
        Limits l = tableLimits(at_base, "SENSITIVITY OF THE", static_cast<int>(v) + 1, 27, 26);
        checkLimits(base, at_base, l, [v](Model& m, double c) {
            m.costs[v] = c;
            return true;
        });
    }
    for (std::size_t i = 0; i < base.rows.size(); i++) {
        SCOPED_TRACE("right-hand side of " + base.rows[i].label);
        Limits l =
            tableLimits(at_base, "RANGING THE RIGHT-HAND SIDE", static_cast<int>(i) + 1, 26, 27);
        checkLimits(base, at_base, l, [i](Model& m, double b) {
            m.rows[i].rhs = b;
            return b >= 0; // the reader takes no negative right-hand side
        });
    }
}

TEST(RangingResolve, Profit) {
    checkRanging(
        {"MAX", {"X", "Y"}, "PROFIT", {2, 3}, {{"C1", {1, 1}, "<=", 4}, {"C2", {1, 3}, "<=", 6}}});
}

TEST(RangingResolve, MinimisationWithGreaterEqualityAndLessRows) {
    checkRanging(
        {"MIN",
         {"X", "Y", "Z"},
         "COST",
         {3, 2, 4},
         {{"R1", {1, 1, 1}, ">=", 10}, {"R2", {1, -1, 0}, "=", 2}, {"R3", {0, 1, 2}, "<=", 12}}});
}

TEST(RangingResolve, MaximisationWithSlackAndSurplusRows) {
    checkRanging({"MAX",
                  {"A", "B", "C"},
                  "PROFIT",
                  {5, 4, 3},
                  {{"LABOR", {2, 3, 1}, "<=", 5},
                   {"MATERIAL", {4, 1, 2}, "<=", 11},
                   {"MINA", {1, 0, 0}, ">=", 1}}});
}

TEST(RangingResolve, DegenerateGreaterRow) {
    checkRanging(
        {"MIN", {"X", "Y"}, "COST", {1, 2}, {{"R1", {1, 1}, ">=", 2}, {"R2", {1, -1}, "<=", 2}}});
}

// MAX P) X, C1) -X = 0, C2) X <= 5: the equality holds X at zero, so no
// cost of X makes it enter.
TEST(RangingResolve, EqualityHoldsAVariableOut) {
    checkRanging({"MAX", {"X"}, "P", {1}, {{"C1", {-1}, "=", 0}, {"C2", {1}, "<=", 5}}});
}

// C2 repeats C1, whose artificial stays basic: neither right-hand side can
// move alone.
TEST(RangingResolve, RedundantEquality) {
    checkRanging({"MAX",
                  {"X", "Y"},
                  "P",
                  {1, 1},
                  {{"C1", {1, 1}, "=", 4}, {"C2", {2, 2}, "=", 8}, {"C3", {1, 0}, "<=", 3}}});
}

} // namespace
