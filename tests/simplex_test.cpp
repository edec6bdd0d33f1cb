// The phase driver on hand-made tableaux and whole models: the end of
// phase 1, whole runs, and artificial variables left basic.
#include <gtest/gtest.h>

#include <string>
#include <vector>

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

// The end of phase 1

struct InfeasCase {
    double level;
    bool artificial;
    bool infeasible;
};

class Infeas : public ::testing::TestWithParam<InfeasCase> {};

TEST_P(Infeas, ArtificialAboveEpsInfeMakesModelInfeasible) {
    Tableau t(2, 2, true);
    t.row(1, {0, 1});
    t.row(2, {GetParam().level, 0, 1});
    t.basic(1, 1), t.basic(2, 2);
    t.s.tab.isart[2] = GetParam().artificial;
    EXPECT_EQ(zep::detail::infeas(t.s), GetParam().infeasible);
}

INSTANTIATE_TEST_SUITE_P(Thresholds, Infeas,
                         ::testing::Values(InfeasCase{1e-5, true, false},
                                           InfeasCase{1.1e-5, true, true},
                                           InfeasCase{3, false, false},
                                           InfeasCase{0, true, false}));

// Whole runs on models

TEST(Simplex, ProfitModelIsOptimalAfterTwoSteps) {
    Harness h("MAX 2 2 X Y PROFIT 2 3 C1 1 1 <= 4 C2 1 3 <= 6");
    ASSERT_EQ(runEngine(h), -1);
    EXPECT_EQ(h.store().engine.end_stat, zep::Outcome::optimal);
    EXPECT_EQ(h.store().engine.pivots, 2);
    EXPECT_DOUBLE_EQ(objective(h.store()), 9);
    EXPECT_DOUBLE_EQ(value(h.store(), 1), 3);
    EXPECT_DOUBLE_EQ(value(h.store(), 2), 1);
}

TEST(Simplex, InfeasiblePhaseOneSkipsPhaseTwo) {
    Harness h("MIN 1 2 X COST 1 C1 1 <= 1 C2 1 >= 2");
    h.store().opt.show_exchanges = 1;
    ASSERT_EQ(runEngine(h), -1);
    EXPECT_EQ(h.store().engine.end_stat, zep::Outcome::infeasible);
    EXPECT_EQ(h.store().tab.phase, 1);
    EXPECT_EQ(h.output().find("BEGIN PHASE 2"), std::string::npos);
}

TEST(Simplex, OptimalAtOnceTracesOneTableauAndIterationZero) {
    Harness h("MIN 1 1 X COST 1 C1 1 <= 1");
    h.store().opt.debug = 1;
    ASSERT_EQ(runEngine(h), -1);
    EXPECT_EQ(h.store().engine.pivots, 0);
    std::string out = h.output();
    EXPECT_NE(out.find("\nIteration 0  Objective =      -0.000 \n"), std::string::npos);
    EXPECT_EQ(out.find("Row Bas"), out.rfind("Row Bas")); // a single tableau
}

TEST(Simplex, UnboundedCountsTheFinalStep) {
    Harness h("MAX 2 1 X Y P 2 1 C1 1 -1 <= 1");
    ASSERT_EQ(runEngine(h), -1);
    EXPECT_EQ(h.store().engine.end_stat, zep::Outcome::unbounded);
    EXPECT_EQ(h.store().engine.pivots, 2);
    EXPECT_STREQ(h.store().tab.varname[h.store().engine.piv_col], "Y");
}

TEST(Simplex, StepCapIsErrorExit3) {
    Harness h("MAX 2 2 X Y PROFIT 2 3 C1 1 1 <= 4 C2 1 3 <= 6");
    zep::detail::initParam(h.store());
    ASSERT_EQ(h.run([](Store& s) {
        zep::detail::generate2(s);
        zep::detail::setprob(s);
    }),
              -1);
    h.store().tab.obj_row = 0;
    h.store().engine.pivots = zep::detail::step_cap - 1;
    EXPECT_EQ(h.run([](Store& s) { zep::detail::opt(s); }), 255);
    EXPECT_EQ(h.store().engine.pivots, zep::detail::step_cap);
    std::string out = h.output();
    EXPECT_EQ(out.substr(out.size() - 20), ">>>ERROR EXIT 3 <<<\n");
}

// Artificial variables left basic after phase 1

TEST(ArtificialLeftBasic, DoesNotRiseInPhaseTwo) {
    // MAX P) X  C1) -X = 0  C2) X <= 5: X must stay 0.
    Harness h("MAX 1 2 X P 1 C1 -1 = 0 C2 1 <= 5");
    ASSERT_EQ(runEngine(h), -1);
    Store& s = h.store();
    EXPECT_EQ(s.engine.end_stat, zep::Outcome::optimal);
    EXPECT_EQ(s.tab.col_status[1], 0);
    EXPECT_EQ(objective(s), 0.0);
    EXPECT_EQ(s.tab.a_mat[1][0], 0.0);
}

TEST(ArtificialLeftBasic, LeavesAtZeroWhenTinyEntryPassesPricing) {
    // The phase-1 entry of X is 0.00001, not above eps_price, so X may
    // enter; the artificial of C1 must leave at 0 rather than rise to 5.
    Harness h("MAX 1 2 X P 1 C1 -0.00001 = 0 C2 1 <= 500000");
    ASSERT_EQ(runEngine(h), -1);
    Store& s = h.store();
    EXPECT_EQ(s.engine.end_stat, zep::Outcome::optimal);
    EXPECT_EQ(s.tab.basis_index[1], 1);
    EXPECT_EQ(value(s, 1), 0.0);
    EXPECT_EQ(objective(s), 0.0);
    EXPECT_EQ(s.tab.a_mat[2][0], 500000.0);
}

TEST(ArtificialLeftBasic, LevelWithinToleranceIsDropped) {
    // C1's artificial ends phase 1 at 0.000005, accepted as feasible. With
    // pricing blind to the phase-1 row, X would enter and the artificial
    // would rise; instead the artificial leaves at 0 and X enters at 0.
    Tableau t(2, 3, true);
    t.row(0, {0, -1});
    t.row(1, {0.000005, -1, 1});
    t.row(2, {5, 1, 0, 1});
    t.row(3, {0, 0.000001});
    t.basic(1, 2), t.basic(2, 3);
    t.s.tab.isart[2] = 1;
    zep::detail::Entering up{1, 1.0};
    zep::detail::Leaving out = zep::detail::ratio_test(t.s, up, false);
    EXPECT_EQ(out.best_row, 1);
    zep::detail::pivot(t.s, up, out);
    EXPECT_EQ(t.s.tab.a_mat[1][0], 0.0);
    EXPECT_EQ(t.s.tab.a_mat[2][0], 5.0);
}

TEST(ArtificialLeftBasic, PricingIgnoresPhaseOneRowOnceNoArtificialIsBasic) {
    Tableau t(1, 2, true);
    t.row(0, {0, -1});
    t.row(1, {1, 1, 1});
    t.row(2, {0, 1});
    t.basic(1, 2);
    EXPECT_EQ(zep::detail::incoming(t.s, false).piv_col, 1);
    t.s.tab.isart[2] = 1; // the same column is held back while an artificial is basic
    EXPECT_EQ(zep::detail::incoming(t.s, false).piv_col, 0);
    t.s.tab.obj_row = t.s.tab.ph1_row; // but never in phase 1
    t.row(2, {0, -1});
    EXPECT_EQ(zep::detail::incoming(t.s, false).piv_col, 1);
}

TEST(ArtificialLeftBasic, PhaseOneRatioTestKeepsLiteralRule) {
    Tableau t(1, 2, true);
    t.row(1, {0, -1, 1});
    t.basic(1, 2);
    t.s.tab.isart[2] = 1;
    t.s.tab.obj_row = t.s.tab.ph1_row;
    EXPECT_EQ(zep::detail::ratio_test(t.s, {1, 1.0}, false).best_row, -1);
}

} // namespace
