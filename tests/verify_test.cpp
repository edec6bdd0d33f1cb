#include <gtest/gtest.h>

#include <string>

#include "check/verify.h"
#include "driver/answer.h"
#include "input/matrix.h"
#include "simplex/simplex.h"
#include "stdform/stdform.h"
#include "support.h"

namespace {

using zep::detail::Store;
using zep::detail::testing::Harness;

const char* const profit = "MAX 2 2\nX Y\nPROFIT 2 3\nC1 1 1 <= 4\nC2 1 3 <= 6\n";

// The standard form of the model in h, as solve builds it.
void load(Harness& h) {
    zep::detail::initParam(h.store());
    zep::detail::generate2(h.store());
    zep::detail::setprob(h.store());
}

void solved(Harness& h) {
    load(h);
    zep::detail::simplex(h.store());
}

TEST(Verify, OptimumOfProfitModelHolds) {
    Harness h(profit);
    solved(h);
    ASSERT_EQ(h.store().engine.end_stat, zep::Outcome::optimal);
    EXPECT_TRUE(zep::detail::outcome_holds(h.store()));
}

TEST(Verify, KeepModelCopiesRowsAsRead) {
    Harness h(profit);
    solved(h);
    EXPECT_EQ(h.store().model.a_read[2][2], 3.0);
    EXPECT_EQ(h.store().model.a_read[1][0], 4.0);
    EXPECT_NE(h.store().tab.a_mat[2][2], 3.0);
}

// Wrong optima, each made from the right one by one fault.
struct Fault {
    const char* what;
    void (*apply)(Store&);
};

class WrongOptimum : public ::testing::TestWithParam<Fault> {};

TEST_P(WrongOptimum, Fails) {
    Harness h(profit);
    solved(h);
    GetParam().apply(h.store());
    EXPECT_FALSE(zep::detail::outcome_holds(h.store())) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, WrongOptimum,
    ::testing::Values(
        Fault{"a basic value off, so a row breaks", [](Store& s) { s.tab.a_mat[1][0] += 0.001; }},
        Fault{"the objective entry off", [](Store& s) { s.tab.a_mat[0][0] += 0.001; }},
        Fault{"a dual lost to a flush", [](Store& s) { s.tab.a_mat[0][4] = 0; }},
        Fault{"a slack dual of the wrong sign", [](Store& s) { s.tab.a_mat[0][3] = -1.5; }}));

TEST(Verify, StartingBasisClaimedOptimalFails) {
    Harness h(profit);
    load(h);
    h.store().engine.end_stat = zep::Outcome::optimal;
    EXPECT_FALSE(zep::detail::outcome_holds(h.store()));
}

// Rounding noise in the point leaves every printed digit the exact one's
// at any scale; an error that shows in the printed value fails.
class ScaledProfit : public ::testing::TestWithParam<double> {};

TEST_P(ScaledProfit, RoundingNoisePassesAndAnErrorThatShowsFails) {
    double k = GetParam();
    char text[200];
    std::snprintf(text, sizeof text, "MAX 2 2\nX Y\nP %g %g\nC1 %g %g <= %g\nC2 %g %g <= %g\n",
                  2 * k, 3 * k, k, k, 4 * k, k, 3 * k, 6 * k);
    Harness h(text);
    solved(h);
    ASSERT_EQ(h.store().engine.end_stat, zep::Outcome::optimal);
    double x = h.store().tab.a_mat[1][0];
    h.store().tab.a_mat[1][0] = x * (1 + 1e-13);
    EXPECT_TRUE(zep::detail::outcome_holds(h.store()));
    h.store().tab.a_mat[1][0] = x * 1.5;
    EXPECT_FALSE(zep::detail::outcome_holds(h.store()));
}

INSTANTIATE_TEST_SUITE_P(Scales, ScaledProfit, ::testing::Values(0.001, 1.0, 10000.0));

// Phase 1 leaves the artificial of C1 basic at 0 and phase 2 keeps X out,
// though X's phase-2 reduced cost is negative: the basis's own duals are no
// certificate, so the report the basis would print is not proven. The
// exact re-solve drives the artificial out and proves P = 0 with C1's
// marginal value -1.
TEST(Verify, OptimumWithArtificialKeptOutIsSolvedAgain) {
    Harness h("MAX 1 2\nX\nP 1\nC1 -1 = 0\nC2 1 <= 5\n");
    solved(h);
    ASSERT_EQ(h.store().engine.end_stat, zep::Outcome::optimal);
    ASSERT_EQ(h.store().tab.a_mat[0][0], 0.0);
    zep::detail::ExactTableau e;
    EXPECT_EQ(zep::detail::prove_outcome(h.store(), e), zep::detail::Proof::none);
    std::string before = h.output();
    zep::detail::checked_report(h.store());
    std::string report = h.output().substr(before.size());
    EXPECT_NE(report.find("MAX P = 0\n"), std::string::npos);
    EXPECT_NE(
        report.find(" 1. C1         =           0.000            .                   -1.000\n"),
        std::string::npos);
}

TEST(Verify, CertifiedInfeasibilityHolds) {
    Harness h("MAX 1 2\nX\nP 1\nC1 1 <= 3\nC2 1 >= 8\n");
    solved(h);
    ASSERT_EQ(h.store().engine.end_stat, zep::Outcome::infeasible);
    EXPECT_TRUE(zep::detail::outcome_holds(h.store()));
}

TEST(Verify, InfeasibilityOfFeasibleModelFails) {
    Harness h("MAX 1 2\nX\nP 1\nC1 1 <= 8\nC2 1 >= 3\n");
    load(h);
    h.store().engine.end_stat = zep::Outcome::infeasible;
    EXPECT_FALSE(zep::detail::outcome_holds(h.store()));
}

// Rows of a million that contradict each other by 0.00002: the Farkas
// combination of the two is decided exactly, so no re-solve is needed.
TEST(Verify, InfeasibilityWithinTheRoundingOfLargeRowsIsProven) {
    Harness h("MIN 1 2\nX\nP 1\nC1 1 <= 1000000\nC2 1 >= 1000000.00002\n");
    solved(h);
    ASSERT_EQ(h.store().engine.end_stat, zep::Outcome::infeasible);
    EXPECT_TRUE(zep::detail::outcome_holds(h.store()));
}

TEST(Verify, UnboundedRayHolds) {
    Harness h("MAX 2 1\nX Y\nP 1 1\nC1 1 -1 <= 1\n");
    solved(h);
    ASSERT_EQ(h.store().engine.end_stat, zep::Outcome::unbounded);
    EXPECT_TRUE(zep::detail::outcome_holds(h.store()));
}

TEST(Verify, RayThatBreaksARowFails) {
    Harness h(profit);
    load(h);
    h.store().engine.end_stat = zep::Outcome::unbounded;
    h.store().engine.piv_col = 1;
    EXPECT_FALSE(zep::detail::outcome_holds(h.store()));
}

TEST(Verify, RayThatDoesNotImproveFails) {
    Harness h("MAX 2 1\nX Y\nP 0 1\nC1 1 -1 <= 1\n");
    load(h);
    h.store().engine.end_stat = zep::Outcome::unbounded;
    h.store().engine.piv_col = 1;
    EXPECT_FALSE(zep::detail::outcome_holds(h.store()));
}

// Prints the report that solve would print after the simplex.
std::string reportOf(Harness& h) {
    std::string before = h.output();
    zep::detail::checked_report(h.store());
    return h.output().substr(before.size());
}

TEST(Verify, CheckedAnswerPrintsItsReport) {
    Harness h(profit);
    solved(h);
    std::string report = reportOf(h);
    EXPECT_EQ(report.rfind("Solution OPTIMAL in 2 iterations:    MAX PROFIT = 9\n", 0), 0u);
    EXPECT_EQ(h.store().engine.exact_tableau, 0);
}

const char* const flat_costs = "MIN 3 2\nX1 X2 X3\nCOST -0.0087 670 0.005\n"
                               "C1 9000 1000 8000 >= 1040000\nC2 0.1 0 40 = 210\n";

TEST(Verify, FailedAnswerIsSolvedAgainAndMarked) {
    Harness h(flat_costs);
    solved(h);
    ASSERT_FALSE(zep::detail::outcome_holds(h.store()));
    std::string report = reportOf(h);
    EXPECT_EQ(report.rfind(std::string(zep::detail::exact_note) + "\nSolution OPTIMAL in ", 0), 0u);
    EXPECT_NE(report.find("MIN COST = -18.27\n"), std::string::npos);
    EXPECT_EQ(h.store().engine.end_stat, zep::Outcome::optimal);
    EXPECT_EQ(-h.store().tab.a_mat[0][0], -18.27);
}

// A dual value off by 4e-4 prints as the exact one does, but its bound no
// longer shows that; the exact tableau of the same basis prints the same text, so the
// floating-point report goes out unmarked, with the floating-point iteration count.
TEST(Verify, ReSolveThatPrintsTheSameLeavesNoMark) {
    Harness h(profit);
    solved(h);
    h.store().tab.a_mat[0][3] += 4e-4;
    ASSERT_FALSE(zep::detail::outcome_holds(h.store()));
    Harness clean(profit);
    solved(clean);
    std::string want = reportOf(clean);
    EXPECT_EQ(reportOf(h), want);
    EXPECT_EQ(h.store().engine.exact_tableau, 1);
}

// With option f the final tableau is compared too, and the unmarked answer
// prints it once, before the report.
TEST(Verify, UnmarkedAnswerWithOptionFPrintsTheTableauOnce) {
    Harness h(profit);
    solved(h);
    h.store().opt.last_tableau = 1;
    h.store().tab.a_mat[0][3] += 4e-4;
    std::string report = reportOf(h);
    EXPECT_EQ(report.rfind("\n  Name ", 0), 0u);
    EXPECT_EQ(report.find("Row Bas"), report.rfind("Row Bas"));
    EXPECT_NE(report.find("\n\nSolution OPTIMAL in 2 iterations:"), std::string::npos);
    EXPECT_EQ(h.store().engine.exact_tableau, 1);
}

TEST(Verify, OptionFPrintsTheExactTableauAfterTheMark) {
    Harness h(flat_costs);
    solved(h);
    h.store().opt.last_tableau = 1;
    std::string before = h.output();
    zep::detail::checked_report(h.store());
    std::string added = h.output().substr(before.size());
    EXPECT_EQ(added.rfind("\n  Name ", 0), 0u);
    EXPECT_NE(added.find("\n\n" + std::string(zep::detail::exact_note) + "\n\n  Name "),
              std::string::npos);
    EXPECT_NE(added.find("        18.270"), std::string::npos);
}

} // namespace
