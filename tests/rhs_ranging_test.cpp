// Right-hand-side ranging, printed from final tableaux written by hand.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "final_tableau.h"

namespace {

using zep::detail::Store;
using namespace zep::detail::testing;

TEST(RhsRanging, BasicSlackLimitsOnlyTheLowerSide) {
    Harness h;
    Store& s = h.store();
    profitOptimum(s);
    s.tab.col_status[2] = 0;
    setBasis(s, {1, 4});
    s.tab.a_mat[2][0] = 2.5;
    EXPECT_EQ(rhsLine(h, 2),
              " 2. C2                6.00    +Infinity                       3.50 SLK:C2      ");
}

TEST(RhsRanging, BasicSurplusLimitsOnlyTheUpperSide) {
    Harness h;
    Store& s = h.store();
    surplusThenEquality(s);
    s.tab.col_status[2] = 0;
    setBasis(s, {3, 1});
    s.tab.a_mat[1][0] = 0.5;
    EXPECT_EQ(rhsLine(h, 1), " 1. R1                2.00         2.50 SRP:R1           -Infinity");
}

TEST(RhsRanging, EqualityRowAfterGreaterRowUsesColumnNumVarsPlusThree) {
    Harness h;
    Store& s = h.store();
    surplusThenEquality(s);
    // Column 4 (ART:R1) would give other limits if it were taken instead.
    s.tab.a_mat[1][4] = 4;
    s.tab.a_mat[2][4] = 4;
    EXPECT_EQ(rhsLine(h, 2),
              " 2. R2                1.00         2.00 Y                     0.00 X           ");
}

TEST(RhsRanging, EqualRatiosTakeTheHighestRow) {
    Harness h;
    Store& s = h.store();
    profitOptimum(s);
    s.tab.a_mat[1][3] = 1;
    s.tab.a_mat[2][3] = 2;
    s.tab.a_mat[1][0] = 2;
    s.tab.a_mat[2][0] = 4;
    EXPECT_EQ(rhsLine(h, 1),
              " 1. C1                4.00    +Infinity                       2.00 Y           ");
}

TEST(RhsRanging, OnlyExactZerosAreSkipped) {
    Harness h;
    Store& s = h.store();
    profitOptimum(s);
    s.tab.a_mat[1][3] = 1e-9;
    s.tab.a_mat[2][3] = -1e-9;
    s.tab.a_mat[1][0] = 1e-9;
    s.tab.a_mat[2][0] = 1e-9;
    EXPECT_EQ(rhsLine(h, 1),
              " 1. C1                4.00         5.00 Y                     3.00 X           ");
}

// MIN X + 2Y, R1) X + Y >= 2, R2) X - Y <= 2 at X = 2 with the slack of R2
// basic at zero: raising R1's right-hand side drives that slack negative at
// once, lowering it keeps the basis down to 0, where X leaves.
TEST(RhsRanging, DegenerateRowOfAGreaterRowLimitsItsUpperSide) {
    Harness h;
    Store& s = h.store();
    zep::detail::initParam(s);
    s.model.z_mult = 1.0;
    s.model.num_vars = 2;
    setNames(s, {"X", "Y", "SRP:R1", "ART:R1", "SLK:R2"});
    setLabels(s, {"COST", "R1", "R2"});
    s.tab.isart[4] = 1;
    setRowColumns(s, {{-1, 3, 4}, {1, 5, 0}});
    s.model.rrhs[1] = 2;
    s.model.rrhs[2] = 2;
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
    s.tab.col_status[1] = 0;
    setBasis(s, {2, 5});
    s.tab.a_mat[2][0] = 0;
    EXPECT_EQ(rhsLine(h, 2),
              " 2. R2                1.00         1.00 ART:R2                1.00 ART:R2      ");
}

TEST(RhsRanging, BasicArtificialPinsEveryRowThatMovesIt) {
    Harness h;
    Store& s = h.store();
    surplusThenEquality(s);
    s.tab.col_status[1] = 0;
    setBasis(s, {2, 5});
    s.tab.a_mat[2][0] = 0;
    s.tab.a_mat[2][3] = 0.5; // the surplus of R1 moves ART:R2
    EXPECT_EQ(rhsLine(h, 1),
              " 1. R1                2.00         2.00 ART:R2                2.00 ART:R2      ");
}

TEST(Ranging, ModelWithoutConstraintsPrintsHeadingsAndVariables) {
    Harness h;
    Store& s = h.store();
    zep::detail::initParam(s);
    s.model.z_mult = -1.0;
    s.model.num_vars = 1;
    setNames(s, {"X"});
    setLabels(s, {"P"});
    s.tab.cost[1] = -1;
    s.tab.a_mat[0][1] = 1;
    zep::detail::Ranging g = zep::detail::exact_ranging(s, zep::detail::exact_of_doubles(s));
    zep::detail::range_cost(s, g);
    zep::detail::range_rhs(s, g);
    std::vector<std::string> out = lines(h.output());
    ASSERT_EQ(out.size(), 11u);
    EXPECT_EQ(out.at(5), " 1. X               -1.000         0.000 X               -Infinity");
    EXPECT_EQ(out.at(10),
              "--------------------------  ------------------------   ------------------------");
}

} // namespace
