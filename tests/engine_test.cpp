// The simplex engine on small hand-made tableaux and models: pricing, the
// ratio test, the pivot, the phase driver, the guards for artificial
// variables left basic and for cycling, and the error exits.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "differential.h"
#include "input/matrix.h"
#include "simplex/cycling.h"
#include "simplex/pivot.h"
#include "simplex/simplex.h"
#include "stdform/stdform.h"
#include "support.h"

namespace {

using zep::Store;
using zep::testing::Harness;

// A tableau laid out by hand: rows 0 to cons (and the phase-1 row when
// asked), columns 0 to cols named C1, C2, ..., phase 2, all bounds infinite.
class Tableau {
  public:
    Tableau(int cons, int cols, bool phase1 = false) {
        zep::initParam(s);
        s.num_cons = cons;
        s.last_row = phase1 ? cons + 1 : cons;
        s.ph1_row = cons + 1;
        s.last_col = cols;
        s.obj_row = 0;
        s.phase = 2;
        for (int j = 1; j <= cols; j++) std::snprintf(s.varname[j], zep::name_size, "C%d", j);
    }
    void row(int r, std::initializer_list<double> values) {
        int c = 0;
        for (double v : values) s.a_mat[r][c++] = v;
    }
    void basic(int r, int col) {
        s.basis_index[r] = col;
        s.col_status[col] = r;
    }
    void enter(int col, double direction = 1.0) {
        s.piv_col = col;
        s.best_col = direction > 0 ? col : -col;
        s.direction = direction;
    }

    Harness h;
    Store& s = h.store();
};

// Pricing

struct PricingCase {
    const char* name;
    std::vector<double> row0; // entries of columns 1, 2, ...
    int best_col;             // 0: none qualifies
};

class Pricing : public ::testing::TestWithParam<PricingCase> {};

TEST_P(Pricing, ChoosesTheSpecifiedColumn) {
    const PricingCase& c = GetParam();
    Tableau t(0, static_cast<int>(c.row0.size()));
    for (std::size_t j = 0; j < c.row0.size(); j++) t.s.a_mat[0][j + 1] = c.row0[j];
    t.s.piv_col = 7;
    zep::incoming(t.s);
    EXPECT_EQ(t.s.best_col, c.best_col);
    EXPECT_EQ(t.s.optimal, c.best_col == 0 ? 1 : 0);
    EXPECT_EQ(t.s.piv_col, c.best_col == 0 ? 7 : c.best_col); // kept when none qualifies
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Pricing,
    ::testing::Values(PricingCase{"MostNegativeWins", {-1, -3, -2}, 2},
                      PricingCase{"TieGoesToHighestColumn", {-2, -1, -2}, 3},
                      PricingCase{"MinusEpsPriceQualifies", {-1e-5, 0}, 1},
                      PricingCase{"JustAboveMinusEpsPriceDoesNot", {-0.0000099, 0.5}, 0},
                      PricingCase{"PositiveCostsMeanOptimal", {1, 2}, 0}),
    [](const ::testing::TestParamInfo<PricingCase>& p) { return std::string(p.param.name); });

TEST(Pricing, SkipsBasicAndArtificialColumns) {
    Tableau t(1, 3);
    t.row(0, {0, -5, -5, -1});
    t.basic(1, 1);
    t.s.isart[2] = 1;
    zep::incoming(t.s);
    EXPECT_EQ(t.s.best_col, 3);
}

TEST(Pricing, ColumnAtUpperBoundEntersDownward) {
    Tableau t(0, 2);
    t.row(0, {0, -0.25, 0.5});
    t.s.col_status[2] = -1;
    zep::incoming(t.s);
    EXPECT_EQ(t.s.best_col, -2);
    EXPECT_EQ(t.s.min_cbar, -0.5);
    zep::outgoing(t.s);
    EXPECT_EQ(t.s.direction, -1.0);
}

TEST(Pricing, BlandsRuleTakesFirstQualifyingColumn) {
    Tableau t(0, 3);
    t.row(0, {0, 1, -1, -3});
    t.s.bland = 1;
    zep::incoming(t.s);
    EXPECT_EQ(t.s.best_col, 2);
}

TEST(Outgoing, WithoutEnteringColumnIsErrorExit1) {
    Tableau t(0, 1);
    t.s.best_col = 0;
    EXPECT_EQ(t.h.run(zep::outgoing), 255);
    EXPECT_EQ(t.h.output(), ">>>ERROR EXIT 1 <<<\n");
}

// Ratio test

TEST(RatioTest, PrefersFirstRowOnTie) {
    Tableau t(3, 4);
    t.row(1, {8, 1, 1});
    t.row(2, {2, 1, 0, 1});
    t.row(3, {4, 2, 0, 0, 1});
    t.basic(1, 2), t.basic(2, 3), t.basic(3, 4);
    t.enter(1);
    zep::ratio_test(t.s);
    EXPECT_EQ(t.s.best_row, 2);
    EXPECT_EQ(t.s.min_ratio, 2.0);
    EXPECT_EQ(t.s.leav_var, 3);
    EXPECT_EQ(t.s.col_status[3], 0);
}

TEST(RatioTest, PrefersArtificialRowOnTie) {
    Tableau t(3, 4);
    t.row(1, {8, 1, 1});
    t.row(2, {2, 1, 0, 1});
    t.row(3, {4, 2, 0, 0, 1});
    t.basic(1, 2), t.basic(2, 3), t.basic(3, 4);
    t.s.isart[4] = 1;
    t.enter(1);
    zep::ratio_test(t.s);
    EXPECT_EQ(t.s.best_row, 3);
}

TEST(RatioTest, BlandsRulePrefersSmallerBasicColumnOnTie) {
    Tableau t(2, 4);
    t.row(1, {2, 1, 0, 0, 1});
    t.row(2, {2, 1, 0, 1});
    t.basic(1, 4), t.basic(2, 3);
    t.s.bland = 1;
    t.enter(1);
    zep::ratio_test(t.s);
    EXPECT_EQ(t.s.best_row, 2);
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
    t.enter(1);
    zep::ratio_test(t.s);
    EXPECT_EQ(t.s.best_row, GetParam().best_row);
}

INSTANTIATE_TEST_SUITE_P(Thresholds, RatioTestTinyEntry,
                         ::testing::Values(TinyEntryCase{1e-13, 2}, TinyEntryCase{1e-12, 1},
                                           TinyEntryCase{-1e-13, 2}));

TEST(RatioTest, DegenerateRowLimitsAtZero) {
    Tableau t(2, 3);
    t.row(1, {3, 1, 1});
    t.row(2, {0, 4, 0, 1});
    t.basic(1, 2), t.basic(2, 3);
    t.enter(1);
    zep::ratio_test(t.s);
    EXPECT_EQ(t.s.best_row, 2);
    EXPECT_EQ(t.s.min_ratio, 0.0);
}

TEST(RatioTest, NegativeRowDeclaresUnbounded) {
    Tableau t(2, 3);
    t.row(1, {3, -2, 1});
    t.row(2, {1, -0.5, 0, 1});
    t.basic(1, 2), t.basic(2, 3);
    t.enter(1);
    zep::ratio_test(t.s);
    EXPECT_EQ(t.s.best_row, -1); // (1e30 - 3) / 2 is below 1e30
    EXPECT_EQ(t.s.unbounded, 1);
    EXPECT_EQ(t.s.end_stat, 3);
    EXPECT_EQ(t.s.col_status[2], -1);
    EXPECT_EQ(t.s.piv_col, 1);
}

TEST(RatioTest, NoLimitingRowDeclaresUnbounded) {
    Tableau t(2, 3);
    t.row(1, {3, -0.5, 1});
    t.row(2, {1, -0.5, 0, 1});
    t.basic(1, 2), t.basic(2, 3);
    t.enter(1);
    zep::ratio_test(t.s);
    EXPECT_EQ(t.s.best_row, 0);
    EXPECT_EQ(t.s.unbounded, 1);
    EXPECT_EQ(t.s.end_stat, 3);
    EXPECT_EQ(t.s.col_status[2], 1);
}

// Bound flips, on a column given a finite upper bound.

TEST(Pivot, BoundFlipMovesColumnToItsUpperBound) {
    Tableau t(1, 2, true);
    t.row(0, {10, -1});
    t.row(1, {6, 1, 1});
    t.row(2, {7, 2});
    t.basic(1, 2);
    t.s.upperb[1] = 4;
    t.s.show_exchanges = 1;
    t.enter(1);
    zep::ratio_test(t.s);
    EXPECT_EQ(t.s.best_row, 0);
    EXPECT_EQ(t.s.unbounded, 0);
    zep::pivot(t.s);
    EXPECT_EQ(t.s.a_mat[0][0], 14.0);
    EXPECT_EQ(t.s.a_mat[1][0], 2.0);
    EXPECT_EQ(t.s.a_mat[2][0], -1.0);
    EXPECT_EQ(t.s.col_status[1], -1);
    EXPECT_EQ(t.s.basis_index[1], 2);
    EXPECT_EQ(t.h.output(), "");
}

TEST(Pivot, BoundFlipBackToLowerBound) {
    Tableau t(1, 2);
    t.row(0, {14, 0.5});
    t.row(1, {2, 1, 1});
    t.basic(1, 2);
    t.s.upperb[1] = 1;
    t.s.col_status[1] = -1;
    t.enter(1, -1.0);
    zep::ratio_test(t.s); // row 1 would rise to infinity: no limit
    EXPECT_EQ(t.s.best_row, 0);
    zep::pivot(t.s);
    EXPECT_EQ(t.s.a_mat[1][0], 3.0);
    EXPECT_EQ(t.s.col_status[1], 0);
}

TEST(RatioTest, RowTiedWithOwnBoundBeatsItOnlyWhenArtificial) {
    for (int art = 0; art <= 1; art++) {
        Tableau t(1, 2);
        t.row(1, {6, 1, 1});
        t.basic(1, 2);
        t.s.isart[2] = static_cast<char>(art);
        t.s.upperb[1] = 6;
        t.enter(1);
        zep::ratio_test(t.s);
        EXPECT_EQ(t.s.best_row, art);
    }
}

TEST(Pivot, BoundFlipOfBasicColumnIsErrorExit2) {
    Tableau t(1, 2);
    t.basic(1, 1);
    t.s.best_row = 0;
    t.enter(1);
    EXPECT_EQ(t.h.run(zep::pivot), 255);
    EXPECT_EQ(t.h.output(), ">>>ERROR EXIT 2 <<<\n");
}

// Exchanges and the tableau update

TEST(Pivot, ExchangeLineNamesLeavingAndEnteringColumns) {
    for (int art = 0; art <= 1; art++) {
        Tableau t(1, 2);
        t.row(1, {4, 2, 1});
        t.basic(1, 2);
        t.s.isart[2] = static_cast<char>(art);
        t.s.show_exchanges = 1;
        t.enter(1);
        zep::ratio_test(t.s);
        zep::pivot(t.s);
        EXPECT_EQ(t.h.output(), art ? "ARTIFICIAL leaves and C1 enters solution\n"
                                    : "C2 leaves and C1 enters solution\n");
        EXPECT_EQ(t.s.basis_index[1], 1);
        EXPECT_EQ(t.s.col_status[1], 1);
        EXPECT_EQ(t.s.col_status[2], 0);
        EXPECT_EQ(t.s.a_mat[1][0], 2.0);
    }
}

TEST(PivTabl, FlushesBelowEpsPivotAndKeepsEpsPivotItself) {
    Tableau t(2, 4);
    t.row(0, {1, 1, 0, 2e-5, 0.5});
    t.row(1, {1, 1, 5e-6, 1e-5, 0.5 - 9.9e-6});
    t.row(2, {3, 0, 5e-6, 1e-5, 7});
    t.s.piv_row = 1;
    t.s.piv_col = 1;
    zep::piv_tabl(t.s);
    EXPECT_EQ(t.s.a_mat[0][3], 1e-5); // exactly eps_pivot stays
    EXPECT_EQ(t.s.a_mat[0][4], 0.0);  // 9.9e-6 is flushed
    EXPECT_EQ(t.s.a_mat[2][2], 0.0);  // flushed although its multiplier is 0
    EXPECT_EQ(t.s.a_mat[2][3], 1e-5);
    EXPECT_EQ(t.s.a_mat[1][2], 5e-6); // the pivot row is not flushed
    EXPECT_EQ(t.s.a_mat[0][1], 0.0);  // the pivot column is a unit vector
    EXPECT_EQ(t.s.a_mat[1][1], 1.0);
    EXPECT_EQ(t.s.a_mat[2][1], 0.0);
    EXPECT_EQ(t.s.a_mat[0][0], 0.0);
}

TEST(PivTabl, DividesPivotRowByPivotElement) {
    Tableau t(1, 2);
    t.row(1, {6, 4, 2});
    t.s.piv_row = 1;
    t.s.piv_col = 1;
    zep::piv_tabl(t.s);
    EXPECT_EQ(t.s.piv_elem, 4.0);
    EXPECT_EQ(t.s.a_mat[1][0], 1.5);
    EXPECT_EQ(t.s.a_mat[1][2], 0.5);
}

// The end of phase 1

struct InfeasCase {
    double level;
    bool artificial;
    int end_stat;
};

class Infeas : public ::testing::TestWithParam<InfeasCase> {};

TEST_P(Infeas, ArtificialAboveEpsInfeMakesModelInfeasible) {
    Tableau t(2, 2, true);
    t.row(1, {0, 1});
    t.row(2, {GetParam().level, 0, 1});
    t.basic(1, 1), t.basic(2, 2);
    t.s.isart[2] = GetParam().artificial;
    t.s.end_stat = 1;
    zep::infeas(t.s);
    EXPECT_EQ(t.s.end_stat, GetParam().end_stat);
}

INSTANTIATE_TEST_SUITE_P(Thresholds, Infeas,
                         ::testing::Values(InfeasCase{1e-5, true, 1}, InfeasCase{1.1e-5, true, 2},
                                           InfeasCase{3, false, 1}, InfeasCase{0, true, 1}));

// Whole runs on models

int solveText(Harness& h) {
    zep::initParam(h.store());
    return h.run([](Store& s) {
        zep::generate2(s);
        zep::setprob(s);
        zep::simplex(s);
    });
}

double objective(const Store& s) {
    return -s.z_mult * s.a_mat[0][0];
}

double value(const Store& s, int j) {
    return s.col_status[j] > 0 ? s.a_mat[s.col_status[j]][0] : 0;
}

TEST(Simplex, ProfitModelIsOptimalAfterTwoSteps) {
    Harness h("MAX 2 2 X Y PROFIT 2 3 C1 1 1 <= 4 C2 1 3 <= 6");
    ASSERT_EQ(solveText(h), -1);
    EXPECT_EQ(h.store().end_stat, 1);
    EXPECT_EQ(h.store().pivots, 2);
    EXPECT_DOUBLE_EQ(objective(h.store()), 9);
    EXPECT_DOUBLE_EQ(value(h.store(), 1), 3);
    EXPECT_DOUBLE_EQ(value(h.store(), 2), 1);
}

TEST(Simplex, InfeasiblePhaseOneSkipsPhaseTwo) {
    Harness h("MIN 1 2 X COST 1 C1 1 <= 1 C2 1 >= 2");
    h.store().show_exchanges = 1;
    ASSERT_EQ(solveText(h), -1);
    EXPECT_EQ(h.store().end_stat, 2);
    EXPECT_EQ(h.store().phase, 1);
    EXPECT_EQ(h.output().find("BEGIN PHASE 2"), std::string::npos);
}

TEST(Simplex, OptimalAtOnceTracesOneTableauAndIterationZero) {
    Harness h("MIN 1 1 X COST 1 C1 1 <= 1");
    h.store().debug = 1;
    ASSERT_EQ(solveText(h), -1);
    EXPECT_EQ(h.store().pivots, 0);
    std::string out = h.output();
    EXPECT_NE(out.find("\nIteration 0  Objective =      -0.000 \n"), std::string::npos);
    EXPECT_EQ(out.find("Row Bas"), out.rfind("Row Bas")); // a single tableau
}

TEST(Simplex, UnboundedCountsTheFinalStep) {
    Harness h("MAX 2 1 X Y P 2 1 C1 1 -1 <= 1");
    ASSERT_EQ(solveText(h), -1);
    EXPECT_EQ(h.store().end_stat, 3);
    EXPECT_EQ(h.store().pivots, 2);
    EXPECT_STREQ(h.store().varname[h.store().piv_col], "Y");
}

TEST(Simplex, StepCapIsErrorExit3) {
    Harness h("MAX 2 2 X Y PROFIT 2 3 C1 1 1 <= 4 C2 1 3 <= 6");
    zep::initParam(h.store());
    ASSERT_EQ(h.run([](Store& s) {
        zep::generate2(s);
        zep::setprob(s);
    }),
              -1);
    h.store().obj_row = 0;
    h.store().pivots = zep::step_cap - 1;
    EXPECT_EQ(h.run(zep::opt), 255);
    EXPECT_EQ(h.store().pivots, zep::step_cap);
    std::string out = h.output();
    EXPECT_EQ(out.substr(out.size() - 20), ">>>ERROR EXIT 3 <<<\n");
}

// Artificial variables left basic after phase 1

TEST(ArtificialLeftBasic, DoesNotRiseInPhaseTwo) {
    // MAX P) X  C1) -X = 0  C2) X <= 5: X must stay 0.
    Harness h("MAX 1 2 X P 1 C1 -1 = 0 C2 1 <= 5");
    ASSERT_EQ(solveText(h), -1);
    Store& s = h.store();
    EXPECT_EQ(s.end_stat, 1);
    EXPECT_EQ(s.col_status[1], 0);
    EXPECT_EQ(objective(s), 0.0);
    EXPECT_EQ(s.a_mat[1][0], 0.0);
}

TEST(ArtificialLeftBasic, LeavesAtZeroWhenTinyEntryPassesPricing) {
    // The phase-1 entry of X is 0.00001, not above eps_price, so X may
    // enter; the artificial of C1 must leave at 0 rather than rise to 5.
    Harness h("MAX 1 2 X P 1 C1 -0.00001 = 0 C2 1 <= 500000");
    ASSERT_EQ(solveText(h), -1);
    Store& s = h.store();
    EXPECT_EQ(s.end_stat, 1);
    EXPECT_EQ(s.basis_index[1], 1);
    EXPECT_EQ(value(s, 1), 0.0);
    EXPECT_EQ(objective(s), 0.0);
    EXPECT_EQ(s.a_mat[2][0], 500000.0);
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
    t.s.isart[2] = 1;
    t.enter(1);
    zep::ratio_test(t.s);
    EXPECT_EQ(t.s.best_row, 1);
    EXPECT_EQ(t.s.min_ratio, 0.0);
    zep::pivot(t.s);
    EXPECT_EQ(t.s.a_mat[1][0], 0.0);
    EXPECT_EQ(t.s.a_mat[2][0], 5.0);
}

TEST(ArtificialLeftBasic, PricingIgnoresPhaseOneRowOnceNoArtificialIsBasic) {
    Tableau t(1, 2, true);
    t.row(0, {0, -1});
    t.row(1, {1, 1, 1});
    t.row(2, {0, 1});
    t.basic(1, 2);
    zep::incoming(t.s);
    EXPECT_EQ(t.s.best_col, 1);
    t.s.isart[2] = 1; // the same column is held back while an artificial is basic
    zep::incoming(t.s);
    EXPECT_EQ(t.s.best_col, 0);
    t.s.obj_row = t.s.ph1_row; // but never in phase 1
    t.row(2, {0, -1});
    zep::incoming(t.s);
    EXPECT_EQ(t.s.best_col, 1);
}

TEST(ArtificialLeftBasic, PhaseOneRatioTestKeepsLiteralRule) {
    Tableau t(1, 2, true);
    t.row(1, {0, -1, 1});
    t.basic(1, 2);
    t.s.isart[2] = 1;
    t.s.obj_row = t.s.ph1_row;
    t.enter(1);
    zep::ratio_test(t.s);
    EXPECT_EQ(t.s.best_row, -1);
}

// Cycling: Beale's example cycles under the plain rules.

const char* beale = "MIN 4 3 X1 X2 X3 X4 COST -0.75 20 -0.5 6 "
                    "R1 0.25 -8 -1 9 <= 0 R2 0.5 -12 -0.5 3 <= 0 R3 0 0 1 0 <= 1";

TEST(Cycling, BealesExampleCyclesWithoutTheGuard) {
    Harness h(beale);
    zep::initParam(h.store());
    ASSERT_EQ(h.run([](Store& s) {
        zep::generate2(s);
        zep::setprob(s);
    }),
              -1);
    Store& s = h.store();
    s.obj_row = 0;
    std::vector<int> start(s.col_status, s.col_status + s.last_col + 1);
    for (int round = 1; round <= 2; round++) {
        for (int step = 1; step <= 6; step++) {
            zep::incoming(s);
            ASSERT_EQ(s.optimal, 0);
            zep::outgoing(s);
            zep::ratio_test(s);
            ASSERT_EQ(s.unbounded, 0);
            zep::pivot(s);
            EXPECT_EQ(s.a_mat[0][0], 0.0);
        }
        EXPECT_EQ(std::vector<int>(s.col_status, s.col_status + s.last_col + 1), start);
    }
}

TEST(Cycling, GuardSolvesBealesExample) {
    Harness h(beale);
    ASSERT_EQ(solveText(h), -1);
    Store& s = h.store();
    EXPECT_EQ(s.end_stat, 1);
    EXPECT_DOUBLE_EQ(objective(s), -1.25); // glpsol agrees
    EXPECT_DOUBLE_EQ(value(s, 1), 1);
    EXPECT_DOUBLE_EQ(value(s, 3), 1);
    EXPECT_EQ(s.bland, 0);
}

// The phase loop without the cycling guard: pricing, ratio test and pivot
// until the phase ends; gives the number of steps that left the objective
// where it was.
int plainPhase(Store& s, int obj_row) {
    s.obj_row = obj_row;
    int degenerate = 0;
    for (;;) {
        zep::incoming(s);
        if (s.optimal) return degenerate;
        zep::outgoing(s);
        s.pivots++;
        zep::ratio_test(s);
        if (s.unbounded) return degenerate;
        double before = s.a_mat[obj_row][0];
        zep::pivot(s);
        degenerate += s.a_mat[obj_row][0] == before;
    }
}

TEST(CycleGuard, LeavesDegenerateModelThatDoesNotCycleAlone) {
    std::string model =
        zep::testing::readFile(ZEP_SOURCE_DIR "/tests/corpus/limit-30-degenerate.mat");
    Harness plain(model), guarded(model);
    zep::initParam(plain.store());
    ASSERT_EQ(plain.run([](Store& s) {
        zep::generate2(s);
        zep::setprob(s);
    }),
              -1);
    ASSERT_EQ(plain.store().phase, 1);
    int degenerate = plainPhase(plain.store(), plain.store().ph1_row);
    zep::infeas(plain.store());
    degenerate += plainPhase(plain.store(), 0);
    EXPECT_GT(degenerate, 5);
    ASSERT_EQ(solveText(guarded), -1);
    EXPECT_EQ(guarded.store().pivots, plain.store().pivots);
    for (int r = 0; r <= plain.store().last_row; r++)
        for (int c = 0; c <= plain.store().last_col; c++)
            ASSERT_EQ(guarded.store().a_mat[r][c], plain.store().a_mat[r][c]) << r << ", " << c;
}

TEST(CycleGuard, TurnsBlandOnOnlyWhenBasisRecursAndOffWhenObjectiveMoves) {
    Tableau t(1, 2);
    t.basic(1, 1);
    zep::CycleGuard g;
    zep::guardStart(t.s, g);
    t.basic(1, 2), t.s.col_status[1] = 0;
    zep::guardStep(t.s, g);
    EXPECT_EQ(t.s.bland, 0);
    t.basic(1, 1), t.s.col_status[2] = 0;
    zep::guardStep(t.s, g);
    EXPECT_EQ(t.s.bland, 0); // the mark moved on to the second basis
    t.basic(1, 2), t.s.col_status[1] = 0;
    zep::guardStep(t.s, g);
    EXPECT_EQ(t.s.bland, 1);
    t.s.a_mat[0][0] = 1;
    zep::guardStep(t.s, g);
    EXPECT_EQ(t.s.bland, 0);
}

} // namespace
