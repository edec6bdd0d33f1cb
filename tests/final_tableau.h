// Final tableaux written by hand for the report tests, and the lines of
// the reports printed from them.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "reports/sensitivity.h"
#include "reports/solution.h"
#include "support.h"

namespace zep::detail::testing {

// Final tableaux are written here by hand: row r from column 0 on.
inline void setRow(Store& s, int r, std::initializer_list<double> entries) {
    int c = 0;
    for (double e : entries) s.tab.a_mat[r][c++] = e;
}

inline void setBasis(Store& s, std::initializer_list<int> columns) {
    int r = 1;
    for (int j : columns) {
        s.tab.basis_index[r] = j;
        s.tab.col_status[j] = r++;
    }
}

inline void setNames(Store& s, std::initializer_list<const char*> columns) {
    int j = 1;
    for (const char* name : columns) std::strcpy(s.tab.varname[j++], name);
    s.tab.nnames = s.tab.last_col = j - 1;
}

// Each constraint row's relation (1 "<=", -1 ">=", 0 "=") and the columns
// the standard form added for it: {row_type, its own added column, its
// artificial or 0}.
struct RowColumns {
    int row_type;
    int added;
    int artificial;
};

inline void setRowColumns(Store& s, std::initializer_list<RowColumns> rows) {
    int r = 1;
    for (const RowColumns& row : rows) {
        s.tab.row_type[r] = row.row_type;
        s.tab.added_col[r] = row.added;
        s.tab.art_col[r++] = row.artificial;
    }
}

inline void setLabels(Store& s, std::initializer_list<const char*> rows) {
    int r = 0;
    for (const char* label : rows) std::strcpy(s.model.rname[r++], label);
    s.model.num_cons = s.tab.last_row = r - 1;
}

// The optimum of MAX PROFIT) 2X + 3Y, C1) X + Y <= 4, C2) X + 3Y <= 6:
// X = 3 and Y = 1 are basic, both slacks are at zero.
inline void profitOptimum(Store& s) {
    zep::detail::initParam(s);
    std::strcpy(s.model.minmax, "MAX");
    s.model.z_mult = -1.0;
    s.model.num_vars = 2;
    setNames(s, {"X", "Y", "SLK:C1", "SLK:C2"});
    setLabels(s, {"PROFIT", "C1", "C2"});
    s.tab.cost[1] = 2;
    s.tab.cost[2] = 3;
    setRowColumns(s, {{1, 3, 0}, {1, 4, 0}});
    s.model.rrhs[1] = 4;
    s.model.rrhs[2] = 6;
    setRow(s, 0, {9, 0, 0, 1.5, 0.5});
    setRow(s, 1, {3, 1, 0, 1.5, -0.5});
    setRow(s, 2, {1, 0, 1, -0.5, 0.5});
    setBasis(s, {1, 2});
    s.engine.pivots = 2;
}

inline std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

inline std::string report(Harness& h, void (*op)(Store&)) {
    op(h.store());
    return h.output();
}

// Lines of var_summ: the headline, the title (3 lines), two heading lines,
// one line per variable, the title, two heading lines, one per row.
inline std::string variableLine(Harness& h, int j) {
    return lines(report(h, zep::detail::var_summ)).at(5 + j);
}

inline std::string constraintLine(Harness& h, int r) {
    return lines(report(h, zep::detail::var_summ)).at(5 + h.store().model.num_vars + 5 + r);
}

// The ranging tables: title (3 lines) and two heading lines before the
// first variable or row.
// A tableau written by hand is taken as exact, each entry the rational
// it is.
inline std::string costLine(Harness& h, int v) {
    zep::detail::range_cost(
        h.store(), zep::detail::exact_ranging(h.store(), zep::detail::exact_of_doubles(h.store())));
    return lines(h.output()).at(4 + v);
}
inline std::string rhsLine(Harness& h, int i) {
    zep::detail::range_rhs(
        h.store(), zep::detail::exact_ranging(h.store(), zep::detail::exact_of_doubles(h.store())));
    return lines(h.output()).at(4 + i);
}

template <class Case> std::string caseName(const ::testing::TestParamInfo<Case>& tested) {
    return tested.param.what;
}

// Failure messages name the case rather than dump its bytes.
template <class Case> void printCase(const Case& c, std::ostream* os) {
    *os << c.what;
}

// MIN COST) X + Y, R1) X + Y >= 2, R2) X = 1 at its optimum X = Y = 1; the
// columns are 3 SRP:R1, 4 ART:R1 and 5 ART:R2, the artificial of the "="
// row after both added columns of the ">=" row.
inline void surplusThenEquality(Store& s) {
    zep::detail::initParam(s);
    std::strcpy(s.model.minmax, "MIN");
    s.model.z_mult = 1.0;
    s.model.num_vars = 2;
    setNames(s, {"X", "Y", "SRP:R1", "ART:R1", "ART:R2"});
    setLabels(s, {"COST", "R1", "R2"});
    s.tab.isart[4] = s.tab.isart[5] = 1;
    s.tab.cost[1] = s.tab.cost[2] = 1;
    setRowColumns(s, {{-1, 3, 4}, {0, 5, 5}});
    s.model.rrhs[1] = 2;
    s.model.rrhs[2] = 1;
    setRow(s, 0, {-2, 0, 0, 1, -1, 0});
    setRow(s, 1, {1, 0, 1, -1, 1, -1});
    setRow(s, 2, {1, 1, 0, 0, 0, 1});
    setBasis(s, {2, 1});
    s.engine.pivots = 2;
}

} // namespace zep::detail::testing
