// The optimal, infeasible and unbounded reports, printed from final
// tableaux written by hand.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "final_tableau.h"

namespace {

using zep::detail::Store;
using namespace zep::detail::testing;

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
    h.store().tab.a_mat[1][0] = GetParam().x;
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
    s.model.z_mult = GetParam().z_mult;
    s.tab.a_mat[0][2] = GetParam().d;
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
    h.store().tab.a_mat[0][3] = GetParam().entry;
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
    s.tab.col_status[2] = 0;
    setBasis(s, {1, 4});
    s.tab.a_mat[2][0] = 1e-12;
    EXPECT_EQ(constraintLine(h, 2),
              " 2. C2        <=           6.000           0.000 (SLK)           0.500");
}

TEST(ConstraintSummary, GreaterThenEqualityRowsTakeSurplusAndArtificialColumns) {
    Harness h;
    Store& s = h.store();
    surplusThenEquality(s);
    s.tab.a_mat[0][5] = 0.25; // column 5, not 4, gives row 2's marginal value
    std::vector<std::string> out = lines(report(h, zep::detail::var_summ));
    EXPECT_EQ(out.at(0), "Solution OPTIMAL in 2 iterations:    MIN COST = 2");
    EXPECT_EQ(out.at(13), " 1. R1        >=           2.000            .                    1.000");
    EXPECT_EQ(out.at(14), " 2. R2         =           1.000            .                   -0.250");
}

TEST(ConstraintSummary, EqualityRowWithArtificialBasicShowsItsLevel) {
    Harness h;
    Store& s = h.store();
    surplusThenEquality(s);
    // ART:R2 stays basic in row 2 at a level within the feasibility tolerance.
    s.tab.col_status[1] = 0;
    setBasis(s, {2, 5});
    s.tab.a_mat[2][0] = 0.000004;
    EXPECT_EQ(constraintLine(h, 2),
              " 2. R2         =           1.000           0.000 (ART)            .");
}

TEST(SolutionReport, ModelWithoutConstraintsEndsWithTheHeadings) {
    Harness h;
    Store& s = h.store();
    zep::detail::initParam(s);
    std::strcpy(s.model.minmax, "MINIMIZE");
    s.model.z_mult = 1.0;
    s.model.num_vars = 1;
    setNames(s, {"X"});
    setLabels(s, {"C"});
    s.tab.cost[1] = 4;
    s.tab.a_mat[0][1] = 4;
    EXPECT_EQ(report(h, zep::detail::var_summ),
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
    std::strcpy(s.tab.varname[1], "LONGERNAME12");
    std::strcpy(s.model.rname[0], "PROFITS8");
    std::strcpy(s.model.rname[1], "CAPACITY");
    std::vector<std::string> out = lines(report(h, zep::detail::var_summ));
    EXPECT_EQ(out.at(4), "Variable            Opt Value   Unit PROFITS8    Marg Value ");
    EXPECT_EQ(out.at(6), " 1. LONGERNA           3.0000           2.000          .   ");
    EXPECT_EQ(out.at(13), " 1. CAPACITY  <=           4.000            .                    1.500");
}

TEST(SolutionReport, OptimalWithRangingOffEndsAtTheLastConstraint) {
    Harness h;
    profitOptimum(h.store());
    std::string out = report(h, zep::detail::out_opt);
    std::string last = " 2. C2        <=           6.000            .                    0.500\n";
    ASSERT_GT(out.size(), last.size());
    EXPECT_EQ(out.substr(out.size() - last.size()), last);
}

TEST(SolutionReport, OptimalWithRangingOnAddsBothTables) {
    Harness h;
    profitOptimum(h.store());
    h.store().opt.show_range = 1;
    std::vector<std::string> out = lines(report(h, zep::detail::out_opt));
    ASSERT_EQ(out.size(), 15u + 7u + 7u);
    EXPECT_EQ(out.at(16), "                    *** SENSITIVITY OF THE PROFIT VALUES ***");
    EXPECT_EQ(out.at(23), "                      *** RANGING THE RIGHT-HAND SIDE ***");
}

// Rows 1 and 4 keep an artificial above eps_infe, row 3 one at exactly
// eps_infe, and row 2 a slack.
TEST(InfeasibleReport, ListsEveryArtificialAboveEpsInfeWithItsRhs) {
    Harness h;
    Store& s = h.store();
    zep::detail::initParam(s);
    s.model.num_vars = 1;
    setNames(s, {"X", "ART:A", "SLK:B", "ART:C", "SRP:LONGNAME", "ART:LONGNAME"});
    setLabels(s, {"OBJ", "A", "B", "C", "LONGNAME"});
    s.tab.isart[2] = s.tab.isart[4] = s.tab.isart[6] = 1;
    s.model.rrhs[1] = 10;
    s.model.rrhs[2] = 3;
    s.model.rrhs[3] = 5;
    s.model.rrhs[4] = 1234.5;
    setBasis(s, {2, 3, 4, 6});
    s.tab.a_mat[1][0] = 7;
    s.tab.a_mat[2][0] = 3;
    s.tab.a_mat[3][0] = 1e-5;
    s.tab.a_mat[4][0] = std::nextafter(1e-5, 1.0);
    EXPECT_EQ(report(h, zep::detail::out_infe),
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
    s.engine.piv_col = 3;
    EXPECT_EQ(report(h, zep::detail::out_unbnd), "UNBOUNDED PROBLEM\n"
                                                 "Variable SRP:C1 can be increased without limit.\n"
                                                 "Please reformulate the model.\n");
}

} // namespace
