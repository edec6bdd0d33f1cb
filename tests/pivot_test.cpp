// The bounded ratio test, bound flips and the Gauss-Jordan pivot.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hand_tableau.h"
#include "simplex/pivot.h"
#include "simplex/simplex.h"

namespace {

using zep::detail::Entering;
using zep::detail::Leaving;
using zep::detail::ratio_test;
using zep::detail::Store;
using zep::detail::testing::Harness;
using zep::detail::testing::Tableau;

constexpr Entering up{1, 1.0};

// Ratio test

TEST(RatioTest, PrefersFirstRowOnTie) {
    Tableau t(3, 4);
    t.row(1, {8, 1, 1});
    t.row(2, {2, 1, 0, 1});
    t.row(3, {4, 2, 0, 0, 1});
    t.basic(1, 2), t.basic(2, 3), t.basic(3, 4);
    Leaving out = ratio_test(t.s, up, false);
    EXPECT_EQ(out.best_row, 2);
    EXPECT_EQ(t.s.tab.col_status[3], 0); // the leaving column, at its lower bound
}

TEST(RatioTest, PrefersArtificialRowOnTie) {
    Tableau t(3, 4);
    t.row(1, {8, 1, 1});
    t.row(2, {2, 1, 0, 1});
    t.row(3, {4, 2, 0, 0, 1});
    t.basic(1, 2), t.basic(2, 3), t.basic(3, 4);
    t.s.tab.isart[4] = 1;
    Leaving out = ratio_test(t.s, up, false);
    EXPECT_EQ(out.best_row, 3);
}

TEST(RatioTest, BlandsRulePrefersSmallerBasicColumnOnTie) {
    Tableau t(2, 4);
    t.row(1, {2, 1, 0, 0, 1});
    t.row(2, {2, 1, 0, 1});
    t.basic(1, 4), t.basic(2, 3);
    Leaving out = ratio_test(t.s, up, true);
    EXPECT_EQ(out.best_row, 2);
}

struct TinyEntryCase {
    double entry;
    int best_row;
};

class RatioTestTinyEntry : public ::testing::TestWithParam<TinyEntryCase> {};

// Row 1 holds its basic variable at 0, so it limits the step whenever its
// entry takes part in the test.
TEST_P(RatioTestTinyEntry, TakesPartFromEpsRatioUp) {
    Tableau t(2, 3);
    t.row(1, {0, GetParam().entry, 1});
    t.row(2, {5, 1, 0, 1});
    t.basic(1, 2), t.basic(2, 3);
    Leaving out = ratio_test(t.s, up, false);
    EXPECT_EQ(out.best_row, GetParam().best_row);
}

INSTANTIATE_TEST_SUITE_P(Thresholds, RatioTestTinyEntry,
                         ::testing::Values(TinyEntryCase{1e-13, 2}, TinyEntryCase{1e-12, 1},
                                           TinyEntryCase{-1e-13, 2}));

TEST(RatioTest, DegenerateRowLimitsAtZero) {
    Tableau t(2, 3);
    t.row(1, {3, 1, 1});
    t.row(2, {0, 4, 0, 1});
    t.basic(1, 2), t.basic(2, 3);
    Leaving out = ratio_test(t.s, up, false);
    EXPECT_EQ(out.best_row, 2);
    zep::detail::pivot(t.s, up, out);
    EXPECT_EQ(t.s.tab.a_mat[2][0], 0.0); // the step is degenerate
    EXPECT_EQ(t.s.tab.a_mat[1][0], 3.0);
}

TEST(RatioTest, NegativeRowDeclaresUnbounded) {
    Tableau t(2, 3);
    t.row(1, {3, -2, 1});
    t.row(2, {1, -0.5, 0, 1});
    t.basic(1, 2), t.basic(2, 3);
    Leaving out = ratio_test(t.s, up, false);
    EXPECT_EQ(out.best_row, -1); // (1e30 - 3) / 2 is below 1e30
    EXPECT_TRUE(out.unbounded);
    EXPECT_EQ(t.s.tab.col_status[2], -1);
}

TEST(RatioTest, NoLimitingRowDeclaresUnbounded) {
    Tableau t(2, 3);
    t.row(1, {3, -0.5, 1});
    t.row(2, {1, -0.5, 0, 1});
    t.basic(1, 2), t.basic(2, 3);
    Leaving out = ratio_test(t.s, up, false);
    EXPECT_EQ(out.best_row, 0);
    EXPECT_TRUE(out.unbounded);
    EXPECT_EQ(t.s.tab.col_status[2], 1);
}

// Bound flips, on a column given a finite upper bound.

TEST(Pivot, BoundFlipMovesColumnToItsUpperBound) {
    Tableau t(1, 2, true);
    t.row(0, {10, -1});
    t.row(1, {6, 1, 1});
    t.row(2, {7, 2});
    t.basic(1, 2);
    t.s.tab.upperb[1] = 4;
    t.s.opt.show_exchanges = 1;
    Leaving out = ratio_test(t.s, up, false);
    EXPECT_EQ(out.best_row, 0);
    EXPECT_FALSE(out.unbounded);
    zep::detail::pivot(t.s, up, out);
    EXPECT_EQ(t.s.tab.a_mat[0][0], 14.0);
    EXPECT_EQ(t.s.tab.a_mat[1][0], 2.0);
    EXPECT_EQ(t.s.tab.a_mat[2][0], -1.0);
    EXPECT_EQ(t.s.tab.col_status[1], -1);
    EXPECT_EQ(t.s.tab.basis_index[1], 2);
    EXPECT_EQ(t.h.output(), "");
}

TEST(Pivot, BoundFlipBackToLowerBound) {
    Tableau t(1, 2);
    t.row(0, {14, 0.5});
    t.row(1, {2, 1, 1});
    t.basic(1, 2);
    t.s.tab.upperb[1] = 1;
    t.s.tab.col_status[1] = -1;
    Entering down{1, -1.0};
    Leaving out = ratio_test(t.s, down, false); // row 1 would rise to infinity: no limit
    EXPECT_EQ(out.best_row, 0);
    zep::detail::pivot(t.s, down, out);
    EXPECT_EQ(t.s.tab.a_mat[1][0], 3.0);
    EXPECT_EQ(t.s.tab.col_status[1], 0);
}

TEST(RatioTest, RowTiedWithOwnBoundBeatsItOnlyWhenArtificial) {
    for (int art = 0; art <= 1; art++) {
        Tableau t(1, 2);
        t.row(1, {6, 1, 1});
        t.basic(1, 2);
        t.s.tab.isart[2] = static_cast<char>(art);
        t.s.tab.upperb[1] = 6;
        Leaving out = ratio_test(t.s, up, false);
        EXPECT_EQ(out.best_row, art);
    }
}

TEST(Pivot, BoundFlipOfBasicColumnIsErrorExit2) {
    Tableau t(1, 2);
    t.basic(1, 1);
    EXPECT_EQ(t.h.run([](Store& s) { zep::detail::pivot(s, up, Leaving{}); }), 255);
    EXPECT_EQ(t.h.output(), ">>>ERROR EXIT 2 <<<\n");
}

// Exchanges and the tableau update

TEST(Pivot, ExchangeLineNamesLeavingAndEnteringColumns) {
    for (int art = 0; art <= 1; art++) {
        Tableau t(1, 2);
        t.row(1, {4, 2, 1});
        t.basic(1, 2);
        t.s.tab.isart[2] = static_cast<char>(art);
        t.s.opt.show_exchanges = 1;
        Leaving out = ratio_test(t.s, up, false);
        zep::detail::pivot(t.s, up, out);
        EXPECT_EQ(t.h.output(), art ? "ARTIFICIAL leaves and C1 enters solution\n"
                                    : "C2 leaves and C1 enters solution\n");
        EXPECT_EQ(t.s.tab.basis_index[1], 1);
        EXPECT_EQ(t.s.tab.col_status[1], 1);
        EXPECT_EQ(t.s.tab.col_status[2], 0);
        EXPECT_EQ(t.s.tab.a_mat[1][0], 2.0);
    }
}

TEST(PivTabl, FlushesBelowEpsPivotAndKeepsEpsPivotItself) {
    Tableau t(2, 4);
    t.row(0, {1, 1, 0, 2e-5, 0.5});
    t.row(1, {1, 1, 5e-6, 1e-5, 0.5 - 9.9e-6});
    t.row(2, {3, 0, 5e-6, 1e-5, 7});
    zep::detail::piv_tabl(t.s, 1, 1);
    EXPECT_EQ(t.s.tab.a_mat[0][3], 1e-5); // exactly eps_pivot stays
    EXPECT_EQ(t.s.tab.a_mat[0][4], 0.0);  // 9.9e-6 is flushed
    EXPECT_EQ(t.s.tab.a_mat[2][2], 0.0);  // flushed although its multiplier is 0
    EXPECT_EQ(t.s.tab.a_mat[2][3], 1e-5);
    EXPECT_EQ(t.s.tab.a_mat[1][2], 5e-6); // the pivot row is not flushed
    EXPECT_EQ(t.s.tab.a_mat[0][1], 0.0);  // the pivot column is a unit vector
    EXPECT_EQ(t.s.tab.a_mat[1][1], 1.0);
    EXPECT_EQ(t.s.tab.a_mat[2][1], 0.0);
    EXPECT_EQ(t.s.tab.a_mat[0][0], 0.0);
}

TEST(PivTabl, DividesPivotRowByPivotElement) {
    Tableau t(1, 2);
    t.row(1, {6, 4, 2});
    zep::detail::piv_tabl(t.s, 1, 1);
    EXPECT_EQ(t.s.tab.a_mat[1][0], 1.5);
    EXPECT_EQ(t.s.tab.a_mat[1][2], 0.5);
}

} // namespace
