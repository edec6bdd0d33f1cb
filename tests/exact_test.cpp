#include <gtest/gtest.h>

#include "check/exact.h"
#include "check/verify.h"
#include "input/matrix.h"
#include "stdform/stdform.h"
#include "support.h"

namespace {

using zep::detail::Store;
using zep::detail::testing::Harness;

// Reads the model in h, builds its standard form and solves it exactly.
Store& solvedExactly(Harness& h) {
    zep::detail::initParam(h.store());
    zep::detail::generate2(h.store());
    zep::detail::setprob(h.store());
    zep::detail::exact_simplex(h.store());
    return h.store();
}

double objective(const Store& s) {
    return -s.model.z_mult * s.tab.a_mat[0][0];
}

double value(const Store& s, int j) {
    return s.tab.col_status[j] > 0 ? s.tab.a_mat[s.tab.col_status[j]][0] : 0.0;
}

TEST(Exact, SolvesProfitModelToTheOptimalTableau) {
    Harness h("MAX 2 2\nX Y\nPROFIT 2 3\nC1 1 1 <= 4\nC2 1 3 <= 6\n");
    Store& s = solvedExactly(h);
    EXPECT_EQ(s.engine.end_stat, zep::Outcome::optimal);
    EXPECT_EQ(s.tab.phase, 2);
    EXPECT_EQ(s.engine.pivots, 2);
    EXPECT_EQ(s.tab.basis_index[1], 1);
    EXPECT_EQ(s.tab.basis_index[2], 2);
    EXPECT_EQ(s.tab.col_status[3], 0);
    const double row0[] = {9, 0, 0, 1.5, 0.5};
    const double row1[] = {3, 1, 0, 1.5, -0.5};
    const double row2[] = {1, 0, 1, -0.5, 0.5};
    for (int c = 0; c <= 4; c++) {
        EXPECT_EQ(s.tab.a_mat[0][c], row0[c]) << c;
        EXPECT_EQ(s.tab.a_mat[1][c], row1[c]) << c;
        EXPECT_EQ(s.tab.a_mat[2][c], row2[c]) << c;
    }
}

// Reduced costs near 1e-6 stop the floating-point rules at -0.94.
TEST(Exact, FindsOptimumBehindTinyReducedCosts) {
    Harness h("MIN 3 2\nX1 X2 X3\nCOST -0.0087 670 0.005\n"
              "C1 9000 1000 8000 >= 1040000\nC2 0.1 0 40 = 210\n");
    Store& s = solvedExactly(h);
    EXPECT_EQ(s.engine.end_stat, zep::Outcome::optimal);
    EXPECT_EQ(objective(s), -18.27);
    EXPECT_EQ(value(s, 1), 2100.0);
    EXPECT_EQ(value(s, 3), 0.0);
    EXPECT_TRUE(zep::detail::outcome_holds(s));
}

// The floating-point rules call this model unbounded.
TEST(Exact, FindsOptimumOfFalselyUnboundedModel) {
    Harness h("MIN 4 3\nX1 X2 X3 X4\nCOST -0.07 0.001 4800 0.98\nC1 0 0 0 -0.018 <= 1\n"
              "C2 0.7 0.009 4400 1 >= 347604.53\nC3 1700 0 0 -900 <= 17000\n");
    Store& s = solvedExactly(h);
    EXPECT_EQ(s.engine.end_stat, zep::Outcome::optimal);
    EXPECT_EQ(value(s, 1), 10.0);
    EXPECT_EQ(value(s, 2), 38621947.777777776);  // 347597530/9
    EXPECT_EQ(objective(s), 38621.247777777775); // 34759123/900
    EXPECT_TRUE(zep::detail::outcome_holds(s));
}

TEST(Exact, ReportsInfeasibleModelAfterPhase1) {
    Harness h("MAX 1 2\nX\nP 1\nC1 1 <= 3\nC2 1 >= 8\n");
    Store& s = solvedExactly(h);
    EXPECT_EQ(s.engine.end_stat, zep::Outcome::infeasible);
    EXPECT_EQ(s.tab.phase, 1);
    EXPECT_TRUE(s.tab.isart[s.tab.basis_index[2]]);
    EXPECT_EQ(s.tab.a_mat[2][0], 5.0);
}

TEST(Exact, ReportsUnboundedColumn) {
    Harness h("MAX 2 1\nX Y\nP 0 1\nC1 1 -1 <= 1\n");
    Store& s = solvedExactly(h);
    EXPECT_EQ(s.engine.end_stat, zep::Outcome::unbounded);
    EXPECT_EQ(s.engine.piv_col, 2);
}

// Beale's example, on which the textbook rules cycle; the smallest-subscript
// rule ends at the optimum.
TEST(Exact, EndsBealesCyclingExample) {
    Harness h("MIN 4 3\nX1 X2 X3 X4\nOBJ -0.75 20 -0.5 6\nR1 0.25 -8 -1 9 <= 0\n"
              "R2 0.5 -12 -0.5 3 <= 0\nR3 0 0 1 0 <= 1\n");
    Store& s = solvedExactly(h);
    EXPECT_EQ(s.engine.end_stat, zep::Outcome::optimal);
    EXPECT_EQ(objective(s), -1.25);
    EXPECT_EQ(value(s, 1), 1.0);
    EXPECT_EQ(value(s, 3), 1.0);
}

// The artificial of C1 is left basic at 0; it is driven out for X, and X
// stays at 0.
TEST(Exact, DrivesOutArtificialLeftAtZero) {
    Harness h("MAX 1 2\nX\nP 1\nC1 -1 = 0\nC2 1 <= 5\n");
    Store& s = solvedExactly(h);
    EXPECT_EQ(s.engine.end_stat, zep::Outcome::optimal);
    EXPECT_EQ(objective(s), 0.0);
    EXPECT_EQ(s.tab.basis_index[1], 1);
    EXPECT_EQ(value(s, 1), 0.0);
}

// C3 is the sum of C1 and C2: its artificial has no column to leave for
// and stays basic at 0 through phase 2.
TEST(Exact, KeepsArtificialOfRedundantRowAtZero) {
    Harness h("MAX 2 3\nX Y\nP 1 2\nC1 1 1 = 4\nC2 1 -1 = 0\nC3 2 0 = 4\n");
    Store& s = solvedExactly(h);
    EXPECT_EQ(s.engine.end_stat, zep::Outcome::optimal);
    EXPECT_EQ(objective(s), 6.0);
    int artificial_rows = 0;
    for (int r = 1; r <= 3; r++) {
        if (!s.tab.isart[s.tab.basis_index[r]]) continue;
        artificial_rows++;
        EXPECT_EQ(s.tab.a_mat[r][0], 0.0);
    }
    EXPECT_EQ(artificial_rows, 1);
}

// 10X <= 1 and X >= 0.1: X = 0.1 exactly as written, though the double
// nearest to 0.1 lies above 1/10.
TEST(Exact, ReadsNumbersAsTheFileWroteThem) {
    Harness h("MIN 1 2\nX\nP 1\nC1 10 <= 1\nC2 1 >= 0.1\n");
    Store& s = solvedExactly(h);
    EXPECT_EQ(s.engine.end_stat, zep::Outcome::optimal);
    EXPECT_EQ(value(s, 1), 0.1);
}

// 2/3 lies nearer the double above it than the one below, where a
// truncating conversion would leave it.
TEST(Exact, ConvertsToTheNearestDouble) {
    Harness h("MAX 1 1\nX\nP 1\nC1 3 <= 2\n");
    Store& s = solvedExactly(h);
    EXPECT_EQ(value(s, 1), 2.0 / 3.0);
}

// The phase-1 row has one rule for both tableaux: on numbers that binary
// fractions hold exactly, the standard form's row and the exact start's
// row are the same entry by entry.
TEST(Exact, StartingPhaseOneRowIsTheStandardFormsRow) {
    for (const char* model : {"MIN 2 3\nX Y\nC 1 1\nA 1 2 >= 3\nB 0.5 -1 = 1.25\nD 1 1 <= 9\n",
                              "MAX 3 2\nX Y Z\nP 1 2 3\nA -1 0.25 2 >= 0\nB 4 1 -2 >= 7.5\n"}) {
        Harness h(model);
        Store& s = h.store();
        zep::detail::initParam(s);
        zep::detail::generate2(s);
        zep::detail::setprob(s);
        ASSERT_EQ(s.tab.phase, 1) << model;
        zep::detail::ExactTableau e = zep::detail::exact_start(s);
        for (int c = 0; c <= s.tab.last_col; c++)
            EXPECT_EQ(e.a[s.tab.ph1_row][c], s.tab.a_mat[s.tab.ph1_row][c]) << model << c;
    }
}

} // namespace
