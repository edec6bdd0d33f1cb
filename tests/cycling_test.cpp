// Beale's example and the cycling guard.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "differential.h"
#include "hand_tableau.h"
#include "input/matrix.h"
#include "simplex/cycling.h"
#include "simplex/pivot.h"
#include "simplex/simplex.h"
#include "stdform/stdform.h"

namespace {

using zep::detail::Store;
using zep::detail::testing::Harness;
using zep::detail::testing::objective;
using zep::detail::testing::runEngine;
using zep::detail::testing::Tableau;
using zep::detail::testing::value;

// Cycling: Beale's example cycles under the plain rules.

const char* beale = "MIN 4 3 X1 X2 X3 X4 COST -0.75 20 -0.5 6 "
                    "R1 0.25 -8 -1 9 <= 0 R2 0.5 -12 -0.5 3 <= 0 R3 0 0 1 0 <= 1";

TEST(Cycling, BealesExampleCyclesWithoutTheGuard) {
    Harness h(beale);
    zep::detail::initParam(h.store());
    ASSERT_EQ(h.run([](Store& s) {
        zep::detail::generate2(s);
        zep::detail::setprob(s);
    }),
              -1);
    Store& s = h.store();
    s.tab.obj_row = 0;
    std::vector<int> start(s.tab.col_status, s.tab.col_status + s.tab.last_col + 1);
    for (int round = 1; round <= 2; round++) {
        for (int step = 1; step <= 6; step++) {
            zep::detail::Entering in = zep::detail::incoming(s, false);
            ASSERT_NE(in.piv_col, 0);
            zep::detail::Leaving out = zep::detail::ratio_test(s, in, false);
            ASSERT_FALSE(out.unbounded);
            zep::detail::pivot(s, in, out);
            EXPECT_EQ(s.tab.a_mat[0][0], 0.0);
        }
        EXPECT_EQ(std::vector<int>(s.tab.col_status, s.tab.col_status + s.tab.last_col + 1), start);
    }
}

TEST(Cycling, GuardSolvesBealesExample) {
    Harness h(beale);
    ASSERT_EQ(runEngine(h), -1);
    Store& s = h.store();
    EXPECT_EQ(s.engine.end_stat, zep::Outcome::optimal);
    EXPECT_DOUBLE_EQ(objective(s), -1.25); // glpsol agrees
    EXPECT_DOUBLE_EQ(value(s, 1), 1);
    EXPECT_DOUBLE_EQ(value(s, 3), 1);
}

// The phase loop without the cycling guard: pricing, ratio test and pivot
// until the phase ends; gives the number of steps that left the objective
// where it was.
int plainPhase(Store& s, int obj_row) {
    s.tab.obj_row = obj_row;
    int degenerate = 0;
    for (;;) {
        zep::detail::Entering in = zep::detail::incoming(s, false);
        if (in.piv_col == 0) return degenerate;
        s.engine.pivots++;
        zep::detail::Leaving out = zep::detail::ratio_test(s, in, false);
        if (out.unbounded) return degenerate;
        double before = s.tab.a_mat[obj_row][0];
        zep::detail::pivot(s, in, out);
        degenerate += s.tab.a_mat[obj_row][0] == before;
    }
}

TEST(CycleGuard, LeavesDegenerateModelThatDoesNotCycleAlone) {
    std::string model =
        zep::detail::testing::readFile(ZEP_SOURCE_DIR "/tests/corpus/limit-30-degenerate.mat");
    Harness plain(model), guarded(model);
    zep::detail::initParam(plain.store());
    ASSERT_EQ(plain.run([](Store& s) {
        zep::detail::generate2(s);
        zep::detail::setprob(s);
    }),
              -1);
    ASSERT_EQ(plain.store().tab.phase, 1);
    int degenerate = plainPhase(plain.store(), plain.store().tab.ph1_row);
    zep::detail::infeas(plain.store());
    degenerate += plainPhase(plain.store(), 0);
    EXPECT_GT(degenerate, 5);
    ASSERT_EQ(runEngine(guarded), -1);
    EXPECT_EQ(guarded.store().engine.pivots, plain.store().engine.pivots);
    for (int r = 0; r <= plain.store().tab.last_row; r++)
        for (int c = 0; c <= plain.store().tab.last_col; c++)
            ASSERT_EQ(guarded.store().tab.a_mat[r][c], plain.store().tab.a_mat[r][c])
                << r << ", " << c;
}

TEST(CycleGuard, TurnsBlandOnOnlyWhenBasisRecursAndOffWhenObjectiveMoves) {
    Tableau t(1, 2);
    t.basic(1, 1);
    zep::detail::CycleGuard g;
    zep::detail::guardStart(t.s, g);
    t.basic(1, 2), t.s.tab.col_status[1] = 0;
    zep::detail::guardStep(t.s, g);
    EXPECT_FALSE(g.bland);
    t.basic(1, 1), t.s.tab.col_status[2] = 0;
    zep::detail::guardStep(t.s, g);
    EXPECT_FALSE(g.bland); // the mark moved on to the second basis
    t.basic(1, 2), t.s.tab.col_status[1] = 0;
    zep::detail::guardStep(t.s, g);
    EXPECT_TRUE(g.bland);
    t.s.tab.a_mat[0][0] = 1;
    zep::detail::guardStep(t.s, g);
    EXPECT_FALSE(g.bland);
}

} // namespace
