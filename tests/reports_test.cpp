#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <initializer_list>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "reports/sensitivity.h"
#include "reports/solution.h"
#include "support.h"

namespace {

using zep::Store;
using zep::testing::Harness;

// Final tableaux are written here by hand: row r from column 0 on.
void setRow(Store& s, int r, std::initializer_list<double> entries) {
    int c = 0;
    for (double e : entries) s.a_mat[r][c++] = e;
}

void setBasis(Store& s, std::initializer_list<int> columns) {
    int r = 1;
    for (int j : columns) {
        s.basis_index[r] = j;
        s.col_status[j] = r++;
    }
}

void setNames(Store& s, std::initializer_list<const char*> columns) {
    int j = 1;
    for (const char* name : columns) std::strcpy(s.varname[j++], name);
    s.nnames = s.last_col = j - 1;
}

void setLabels(Store& s, std::initializer_list<const char*> rows) {
    int r = 0;
    for (const char* label : rows) std::strcpy(s.rname[r++], label);
    s.num_cons = s.last_row = r - 1;
}

// The optimum of MAX PROFIT) 2X + 3Y, C1) X + Y <= 4, C2) X + 3Y <= 6:
// X = 3 and Y = 1 are basic, both slacks are at zero.
void profitOptimum(Store& s) {
    zep::initParam(s);
    std::strcpy(s.minmax, "MAX");
    s.z_mult = -1.0;
    s.num_vars = 2;
    setNames(s, {"X", "Y", "SLK:C1", "SLK:C2"});
    setLabels(s, {"PROFIT", "C1", "C2"});
    s.cost[1] = 2;
    s.cost[2] = 3;
    s.row_type[1] = 3;
    s.row_type[2] = 4;
    s.rrhs[1] = 4;
    s.rrhs[2] = 6;
    setRow(s, 0, {9, 0, 0, 1.5, 0.5});
    setRow(s, 1, {3, 1, 0, 1.5, -0.5});
    setRow(s, 2, {1, 0, 1, -0.5, 0.5});
    setBasis(s, {1, 2});
    s.pivots = 2;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

std::string report(Harness& h, void (*op)(Store&)) {
    op(h.store());
    return h.output();
}

// Lines of var_summ: the headline, the title (3 lines), two heading lines,
// one line per variable, the title, two heading lines, one per row.
std::string variableLine(Harness& h, int j) {
    return lines(report(h, zep::var_summ)).at(5 + j);
}

std::string constraintLine(Harness& h, int r) {
    return lines(report(h, zep::var_summ)).at(5 + h.store().num_vars + 5 + r);
}

// The ranging tables: title (3 lines) and two heading lines before the
// first variable or row.
std::string costLine(Harness& h, int v) {
    return lines(report(h, zep::range_cost)).at(4 + v);
}
std::string rhsLine(Harness& h, int i) {
    return lines(report(h, zep::range_rhs)).at(4 + i);
}

template <class Case> std::string caseName(const ::testing::TestParamInfo<Case>& tested) {
    return tested.param.what;
}

// Failure messages name the case rather than dump its bytes.
template <class Case> void printCase(const Case& c, std::ostream* os) {
    *os << c.what;
}

struct ValueCase {
    const char* what;
    double x;
    const char* line;
};
void PrintTo(const ValueCase& c, std::ostream* os) {
    printCase(c, os);
}

class VariableValue : public ::testing::TestWithParam<ValueCase> {};

TEST_P(VariableValue, PrintsANumberFromEpsInfeUpAndAPointBelow) {
    Harness h;
    profitOptimum(h.store());
    h.store().a_mat[1][0] = GetParam().x;
    EXPECT_EQ(variableLine(h, 1), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, VariableValue,
    ::testing::Values(
        ValueCase{"AtEpsInfe", 1e-5, " 1. X                  0.0000           2.000          .   "},
        ValueCase{"JustBelow", std::nextafter(1e-5, 0.0),
                  " 1. X                   .               2.000          .   "},
        ValueCase{"Negative", -3.0, " 1. X                   .               2.000          .   "}),
    caseName<ValueCase>);

struct MarginCase {
    const char* what;
    double z_mult;
    double d;
    const char* tail;
};
void PrintTo(const MarginCase& c, std::ostream* os) {
    printCase(c, os);
}

class VariableMarginal : public ::testing::TestWithParam<MarginCase> {};

TEST_P(VariableMarginal, PrintsFromEpsPriceUpInTheModelsSense) {
    Harness h;
    Store& s = h.store();
    profitOptimum(s);
    s.z_mult = GetParam().z_mult;
    s.a_mat[0][2] = GetParam().d;
    EXPECT_EQ(variableLine(h, 2),
              std::string(" 2. Y                  1.0000           3.000") + GetParam().tail);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, VariableMarginal,
    ::testing::Values(MarginCase{"AtEpsPrice", 1.0, 1e-5, "         0.000"},
                      MarginCase{"MinusEpsPrice", 1.0, -1e-5, "        -0.000"},
                      MarginCase{"JustBelow", 1.0, std::nextafter(1e-5, 0.0), "          .   "},
                      MarginCase{"MaximisingFlipsSign", -1.0, 2.5, "        -2.500"}),
    caseName<MarginCase>);

struct RowMarginCase {
    const char* what;
    double entry;
    const char* tail;
};
void PrintTo(const RowMarginCase& c, std::ostream* os) {
    printCase(c, os);
}

class ConstraintMarginal : public ::testing::TestWithParam<RowMarginCase> {};

TEST_P(ConstraintMarginal, UsesTheFixedThresholdOfOneTenThousandth) {
    Harness h;
    profitOptimum(h.store());
    h.store().a_mat[0][3] = GetParam().entry;
    EXPECT_EQ(constraintLine(h, 1),
              std::string(" 1. C1        <=           4.000            .         ") +
                  GetParam().tail);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, ConstraintMarginal,
    ::testing::Values(RowMarginCase{"AtThreshold", 0.0001, "           0.000"},
                      RowMarginCase{"NegativeAtThreshold", -0.0001, "          -0.000"},
                      RowMarginCase{"JustBelow", std::nextafter(0.0001, 0.0), "            ."},
                      RowMarginCase{"AboveEpsPriceButBelowThreshold", 0.00005, "            ."}),
    caseName<RowMarginCase>);

TEST(ConstraintSummary, TinyBasicSlackIsANumberNotAPoint) {
    Harness h;
    Store& s = h.store();
    profitOptimum(s);
    // SLK:C2 basic in row 2 at 1e-12 in place of Y.
    s.col_status[2] = 0;
    setBasis(s, {1, 4});
    s.a_mat[2][0] = 1e-12;
    EXPECT_EQ(constraintLine(h, 2),
              " 2. C2        <=           6.000           0.000 (SLK)           0.500");
}

// MIN COST) X + Y, R1) X + Y >= 2, R2) X = 1 at its optimum X = Y = 1; the
// columns are 3 SRP:R1, 4 ART:R1 and 5 ART:R2, the artificial of the "="
// row after both added columns of the ">=" row.
void surplusThenEquality(Store& s) {
    zep::initParam(s);
    std::strcpy(s.minmax, "MIN");
    s.z_mult = 1.0;
    s.num_vars = 2;
    setNames(s, {"X", "Y", "SRP:R1", "ART:R1", "ART:R2"});
    setLabels(s, {"COST", "R1", "R2"});
    s.isart[4] = s.isart[5] = 1;
    s.cost[1] = s.cost[2] = 1;
    s.row_type[1] = -3;
    s.row_type[2] = 0;
    s.rrhs[1] = 2;
    s.rrhs[2] = 1;
    setRow(s, 0, {-2, 0, 0, 1, -1, 0});
    setRow(s, 1, {1, 0, 1, -1, 1, -1});
    setRow(s, 2, {1, 1, 0, 0, 0, 1});
    setBasis(s, {2, 1});
    s.pivots = 2;
}

TEST(ConstraintSummary, GreaterThenEqualityRowsTakeSurplusAndArtificialColumns) {
    Harness h;
    Store& s = h.store();
    surplusThenEquality(s);
    s.a_mat[0][5] = 0.25; // column 5, not 4, gives row 2's marginal value
    std::vector<std::string> out = lines(report(h, zep::var_summ));
    EXPECT_EQ(out.at(0), "Solution OPTIMAL in 2 iterations:    MIN COST = 2");
    EXPECT_EQ(out.at(13), " 1. R1        >=           2.000            .                    1.000");
    EXPECT_EQ(out.at(14), " 2. R2         =           1.000            .                   -0.250");
}

TEST(ConstraintSummary, EqualityRowWithArtificialBasicShowsItsLevel) {
    Harness h;
    Store& s = h.store();
    surplusThenEquality(s);
    // ART:R2 stays basic in row 2 at a level within the feasibility tolerance.
    s.col_status[1] = 0;
    setBasis(s, {2, 5});
    s.a_mat[2][0] = 0.000004;
    EXPECT_EQ(constraintLine(h, 2),
              " 2. R2         =           1.000           0.000 (ART)            .");
}

TEST(SolutionReport, ModelWithoutConstraintsEndsWithTheHeadings) {
    Harness h;
    Store& s = h.store();
    zep::initParam(s);
    std::strcpy(s.minmax, "MINIMIZE");
    s.z_mult = 1.0;
    s.num_vars = 1;
    setNames(s, {"X"});
    setLabels(s, {"C"});
    s.cost[1] = 4;
    s.a_mat[0][1] = 4;
    EXPECT_EQ(report(h, zep::var_summ),
              "Solution OPTIMAL in 0 iterations:    MIN C = -0\n"
              "\n"
              "             *** DECISION VARIABLE SUMMARY ***\n"
              "\n"
              "Variable            Opt Value          Unit C    Marg Value \n"
              "------------      -----------    ------------    ---------- \n"
              " 1. X                   .               4.000         4.000\n"
              "\n"
              "                       *** CONSTRAINT SUMMARY ***\n"
              "\n"
              "Constraint   Rel         RHS           Slack/Surplus    Marginal Value\n"
              "------------  --    ------------    ------------------  --------------\n");
}

TEST(SolutionReport, LongNamesAreCutAndLongObjectiveLabelsFillTheUnitField) {
    Harness h;
    Store& s = h.store();
    profitOptimum(s);
    std::strcpy(s.varname[1], "LONGERNAME12");
    std::strcpy(s.rname[0], "PROFITS8");
    std::strcpy(s.rname[1], "CAPACITY");
    std::vector<std::string> out = lines(report(h, zep::var_summ));
    EXPECT_EQ(out.at(4), "Variable            Opt Value   Unit PROFITS8    Marg Value ");
    EXPECT_EQ(out.at(6), " 1. LONGERNA           3.0000           2.000          .   ");
    EXPECT_EQ(out.at(13), " 1. CAPACITY  <=           4.000            .                    1.500");
}

TEST(SolutionReport, OptimalWithRangingOffEndsAtTheLastConstraint) {
    Harness h;
    profitOptimum(h.store());
    std::string out = report(h, zep::out_opt);
    std::string last = " 2. C2        <=           6.000            .                    0.500\n";
    ASSERT_GT(out.size(), last.size());
    EXPECT_EQ(out.substr(out.size() - last.size()), last);
}

TEST(SolutionReport, OptimalWithRangingOnAddsBothTables) {
    Harness h;
    profitOptimum(h.store());
    h.store().show_range = 1;
    std::vector<std::string> out = lines(report(h, zep::out_opt));
    ASSERT_EQ(out.size(), 15u + 7u + 7u);
    EXPECT_EQ(out.at(16), "                    *** SENSITIVITY OF THE PROFIT VALUES ***");
    EXPECT_EQ(out.at(23), "                      *** RANGING THE RIGHT-HAND SIDE ***");
}

// Rows 1 and 4 keep an artificial above eps_infe, row 3 one at exactly
// eps_infe, and row 2 a slack.
TEST(InfeasibleReport, ListsEveryArtificialAboveEpsInfeWithItsRhs) {
    Harness h;
    Store& s = h.store();
    zep::initParam(s);
    s.num_vars = 1;
    setNames(s, {"X", "ART:A", "SLK:B", "ART:C", "SRP:LONGNAME", "ART:LONGNAME"});
    setLabels(s, {"OBJ", "A", "B", "C", "LONGNAME"});
    s.isart[2] = s.isart[4] = s.isart[6] = 1;
    s.rrhs[1] = 10;
    s.rrhs[2] = 3;
    s.rrhs[3] = 5;
    s.rrhs[4] = 1234.5;
    setBasis(s, {2, 3, 4, 6});
    s.a_mat[1][0] = 7;
    s.a_mat[2][0] = 3;
    s.a_mat[3][0] = 1e-5;
    s.a_mat[4][0] = std::nextafter(1e-5, 1.0);
    EXPECT_EQ(report(h, zep::out_infe),
              "PROBLEM INFEASIBLE\n"
              "The problem is infeasible -- contradictory constraints have been\n"
              "posed, such as:   X<10 and X>20.     Specifically, the following\n"
              "constraints could not be satisfied:\n"
              "\n"
              "Constraint        RHS Violation\n"
              "----------        -------------\n"
              " 1.        A             10.000\n"
              " 4. LONGNAME           1234.500\n");
}

TEST(UnboundedReport, NamesTheColumnThatLastEntered) {
    Harness h;
    Store& s = h.store();
    setNames(s, {"X", "Y", "SRP:C1"});
    s.piv_col = 3;
    EXPECT_EQ(report(h, zep::out_unbnd), "UNBOUNDED PROBLEM\n"
                                         "Variable SRP:C1 can be increased without limit.\n"
                                         "Please reformulate the model.\n");
}

// X basic in row 1 of a minimisation; the nonbasic columns 2 to 4 are set
// up per case.
void costRangingTableau(Store& s) {
    zep::initParam(s);
    s.z_mult = 1.0;
    s.num_vars = 1;
    setNames(s, {"X", "A", "B", "C"});
    setLabels(s, {"OBJ", "R1"});
    s.cost[1] = 10;
    setBasis(s, {1});
}

struct CostCase {
    const char* what;
    std::vector<double> reduced; // row 0, columns 2 to 4
    std::vector<double> entries; // row 1, columns 2 to 4
    const char* limits;
};
void PrintTo(const CostCase& c, std::ostream* os) {
    printCase(c, os);
}

class BasicCostRange : public ::testing::TestWithParam<CostCase> {};

TEST_P(BasicCostRange, Limits) {
    Harness h;
    Store& s = h.store();
    costRangingTableau(s);
    for (int j = 2; j <= 4; j++) {
        s.a_mat[0][j] = GetParam().reduced.at(static_cast<std::size_t>(j - 2));
        s.a_mat[1][j] = GetParam().entries.at(static_cast<std::size_t>(j - 2));
    }
    EXPECT_EQ(costLine(h, 1), std::string(" 1. X               10.000 ") + GetParam().limits);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, BasicCostRange,
    ::testing::Values(CostCase{"NoLimitPrintsBothInfinities",
                               {1, 1, 1},
                               {0, 0, 0},
                               "    +Infinity                 -Infinity             "},
                      CostCase{"EqualRatiosKeepTheLowestColumn",
                               {3, 1, 2},
                               {3, 1, 2},
                               "       11.000 A               -Infinity             "},
                      CostCase{"SmallestPositiveRatioIsUpper",
                               {4, 1, 2},
                               {2, 2, 2},
                               "       10.500 B               -Infinity             "},
                      CostCase{"NegativeEntryLimitsTheLowerSide",
                               {1, 3, 2},
                               {1, -2, -1},
                               "       11.000 A                   8.500 B           "},
                      CostCase{"ZeroReducedCostLimitsNeitherSide",
                               {0, 0, 5},
                               {1, -1, 0},
                               "    +Infinity                 -Infinity             "},
                      CostCase{"EntryAtEpsPivotIsIgnored",
                               {1, 2, 5},
                               {1e-5, -1e-5, 0},
                               "    +Infinity                 -Infinity             "},
                      CostCase{"EntryJustAboveEpsPivotCounts",
                               {1e-5, 2, 5},
                               {std::nextafter(1e-5, 1.0), 0, 0},
                               "       11.000 A               -Infinity             "}),
    caseName<CostCase>);

TEST(CostRanging, ArtificialAndBasicColumnsNeverLimit) {
    Harness h;
    Store& s = h.store();
    costRangingTableau(s);
    s.isart[2] = 1;
    s.a_mat[0][2] = 1;
    s.a_mat[1][2] = 1;
    s.col_status[3] = 0;
    setBasis(s, {1, 3});
    s.a_mat[0][3] = 1;
    s.a_mat[1][3] = 1;
    EXPECT_EQ(costLine(h, 1),
              " 1. X               10.000     +Infinity                 -Infinity             ");
}

TEST(CostRanging, MaximisationReversesTheSides) {
    Harness h;
    Store& s = h.store();
    costRangingTableau(s);
    s.z_mult = -1.0;
    s.a_mat[0][2] = 2;
    s.a_mat[1][2] = 1;
    s.a_mat[0][3] = 3;
    s.a_mat[1][3] = -1;
    EXPECT_EQ(costLine(h, 1),
              " 1. X               10.000        13.000 B                   8.000 A           ");
}

struct NonbasicCase {
    const char* what;
    double z_mult;
    const char* limits;
};
void PrintTo(const NonbasicCase& c, std::ostream* os) {
    printCase(c, os);
}

class NonbasicCostRange : public ::testing::TestWithParam<NonbasicCase> {};

TEST_P(NonbasicCostRange, OwnNameOnTheImprovingSide) {
    Harness h;
    Store& s = h.store();
    costRangingTableau(s);
    s.z_mult = GetParam().z_mult;
    s.cost[2] = 5;
    s.a_mat[0][2] = 1.5;
    zep::range_cnb(s, 2);
    EXPECT_EQ(h.output(), std::string(GetParam().limits) + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Sense, NonbasicCostRange,
    ::testing::Values(NonbasicCase{"Maximising", -1.0, "        6.500 A               -Infinity"},
                      NonbasicCase{"Minimising", 1.0,
                                   "    +Infinity                     3.500 A           "}),
    caseName<NonbasicCase>);

TEST(RhsRanging, BasicSlackLimitsOnlyTheLowerSide) {
    Harness h;
    Store& s = h.store();
    profitOptimum(s);
    s.col_status[2] = 0;
    setBasis(s, {1, 4});
    s.a_mat[2][0] = 2.5;
    EXPECT_EQ(rhsLine(h, 2),
              " 2. C2                6.00    +Infinity                       3.50 SLK:C2      ");
}

TEST(RhsRanging, BasicSurplusLimitsOnlyTheUpperSide) {
    Harness h;
    Store& s = h.store();
    surplusThenEquality(s);
    s.col_status[2] = 0;
    setBasis(s, {3, 1});
    s.a_mat[1][0] = 0.5;
    EXPECT_EQ(rhsLine(h, 1), " 1. R1                2.00         2.50 SRP:R1           -Infinity");
}

TEST(RhsRanging, EqualityRowAfterGreaterRowUsesColumnNumVarsPlusThree) {
    Harness h;
    Store& s = h.store();
    surplusThenEquality(s);
    // Column 4 (ART:R1) would give other limits if it were taken instead.
    s.a_mat[1][4] = 4;
    s.a_mat[2][4] = 4;
    EXPECT_EQ(rhsLine(h, 2),
              " 2. R2                1.00         2.00 Y                     0.00 X           ");
}

TEST(RhsRanging, EqualRatiosTakeTheHighestRow) {
    Harness h;
    Store& s = h.store();
    profitOptimum(s);
    s.a_mat[1][3] = 1;
    s.a_mat[2][3] = 2;
    s.a_mat[1][0] = 2;
    s.a_mat[2][0] = 4;
    EXPECT_EQ(rhsLine(h, 1),
              " 1. C1                4.00    +Infinity                       2.00 Y           ");
}

TEST(RhsRanging, OnlyExactZerosAreSkipped) {
    Harness h;
    Store& s = h.store();
    profitOptimum(s);
    s.a_mat[1][3] = 1e-9;
    s.a_mat[2][3] = -1e-9;
    s.a_mat[1][0] = 1e-9;
    s.a_mat[2][0] = 1e-9;
    EXPECT_EQ(rhsLine(h, 1),
              " 1. C1                4.00         5.00 Y                     3.00 X           ");
}

// MIN X + 2Y, R1) X + Y >= 2, R2) X - Y <= 2 at X = 2 with the slack of R2
// basic at zero: raising R1's right-hand side drives that slack negative at
// once, lowering it keeps the basis down to 0, where X leaves.
TEST(RhsRanging, DegenerateRowOfAGreaterRowLimitsItsUpperSide) {
    Harness h;
    Store& s = h.store();
    zep::initParam(s);
    s.z_mult = 1.0;
    s.num_vars = 2;
    setNames(s, {"X", "Y", "SRP:R1", "ART:R1", "SLK:R2"});
    setLabels(s, {"COST", "R1", "R2"});
    s.isart[4] = 1;
    s.row_type[1] = -3;
    s.row_type[2] = 5;
    s.rrhs[1] = 2;
    s.rrhs[2] = 2;
    setRow(s, 0, {-2, 0, 1, 1, -1, 0});
    setRow(s, 1, {2, 1, 1, -1, 1, 0});
    setRow(s, 2, {0, 0, -2, 1, -1, 1});
    setBasis(s, {1, 5});
    EXPECT_EQ(rhsLine(h, 1),
              " 1. R1                2.00         2.00 SLK:R2                0.00 X           ");
}

// An artificial that stays basic holds its row's equality only at zero, so
// no right-hand side that moves it can keep the basis.
TEST(RhsRanging, BasicArtificialPinsItsOwnEqualityRow) {
    Harness h;
    Store& s = h.store();
    surplusThenEquality(s);
    s.col_status[1] = 0;
    setBasis(s, {2, 5});
    s.a_mat[2][0] = 0;
    EXPECT_EQ(rhsLine(h, 2),
              " 2. R2                1.00         1.00 ART:R2                1.00 ART:R2      ");
}

TEST(RhsRanging, BasicArtificialPinsEveryRowThatMovesIt) {
    Harness h;
    Store& s = h.store();
    surplusThenEquality(s);
    s.col_status[1] = 0;
    setBasis(s, {2, 5});
    s.a_mat[2][0] = 0;
    s.a_mat[2][3] = 0.5; // the surplus of R1 moves ART:R2
    EXPECT_EQ(rhsLine(h, 1),
              " 1. R1                2.00         2.00 ART:R2                2.00 ART:R2      ");
}

// MAX P) X + Y, C1) -X = 0, C2) X + Y <= 5 after phase 2: ART:C1 stays basic
// at zero and holds X out of the basis (its phase-1 entry is 1).
void artificialHoldsXOut(Store& s) {
    zep::initParam(s);
    s.z_mult = -1.0;
    s.num_vars = 2;
    setNames(s, {"X", "Y", "ART:C1", "SLK:C2"});
    setLabels(s, {"P", "C1", "C2"});
    s.ph1_row = s.last_row = 3;
    s.isart[3] = 1;
    s.cost[1] = s.cost[2] = 1;
    s.row_type[1] = 0;
    s.row_type[2] = 4;
    s.rrhs[2] = 5;
    setRow(s, 0, {5, -1, 0, 0, 1});
    setRow(s, 1, {0, -1, 0, 1, 0});
    setRow(s, 2, {5, 1, 1, 0, 1});
    setRow(s, 3, {0, 1, 0, 0, 0});
    setBasis(s, {3, 2});
}

TEST(CostRanging, ColumnHeldOutByABasicArtificialHasNoRange) {
    Harness h;
    artificialHoldsXOut(h.store());
    EXPECT_EQ(costLine(h, 1),
              " 1. X                1.000     +Infinity                 -Infinity             ");
}

TEST(CostRanging, ColumnHeldOutByABasicArtificialDoesNotLimit) {
    Harness h;
    Store& s = h.store();
    artificialHoldsXOut(s);
    s.a_mat[0][1] = 1; // X would enter first once Y's cost fell by 1
    s.a_mat[0][4] = 3;
    EXPECT_EQ(costLine(h, 2),
              " 2. Y                1.000     +Infinity                    -2.000 SLK:C2      ");
}

TEST(CostRanging, ColumnsBlockedOnlyWhileAnArtificialIsBasic) {
    Harness h;
    Store& s = h.store();
    artificialHoldsXOut(s);
    s.isart[3] = 0; // the same tableau with an ordinary column in row 1
    EXPECT_EQ(costLine(h, 1), " 1. X                1.000         0.000 X               -Infinity");
}

TEST(Ranging, ModelWithoutConstraintsPrintsHeadingsAndVariables) {
    Harness h;
    Store& s = h.store();
    zep::initParam(s);
    s.z_mult = -1.0;
    s.num_vars = 1;
    setNames(s, {"X"});
    setLabels(s, {"P"});
    s.cost[1] = -1;
    s.a_mat[0][1] = 1;
    std::vector<std::string> out = lines(report(h, zep::ranger));
    ASSERT_EQ(out.size(), 11u);
    EXPECT_EQ(out.at(5), " 1. X               -1.000         0.000 X               -Infinity");
    EXPECT_EQ(out.at(10),
              "--------------------------  ------------------------   ------------------------");
}

} // namespace
