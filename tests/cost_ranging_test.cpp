// Cost ranging, printed from final tableaux written by hand.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "final_tableau.h"

namespace {

using zep::detail::Store;
using namespace zep::detail::testing;

// X basic in row 1 of a minimisation; the nonbasic columns 2 to 4 are set
// up per case.
void costRangingTableau(Store& s) {
    zep::detail::initParam(s);
    s.model.z_mult = 1.0;
    s.model.num_vars = 1;
    setNames(s, {"X", "A", "B", "C"});
    setLabels(s, {"OBJ", "R1"});
    s.tab.cost[1] = 10;
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
        s.tab.a_mat[0][j] = GetParam().reduced.at(static_cast<std::size_t>(j - 2));
        s.tab.a_mat[1][j] = GetParam().entries.at(static_cast<std::size_t>(j - 2));
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
                      // An alternative optimum: the basis changes the moment
                      // the cost moves towards the side where A's (or B's)
                      // reduced cost would turn negative.
                      CostCase{"ZeroReducedCostLimitsTheSideWhereItTurnsNegative",
                               {0, 0, 5},
                               {1, -1, 0},
                               "       10.000 A                  10.000 B           "},
                      CostCase{"ZeroRatiosTieAtTheLowestColumn",
                               {0, 0, 0},
                               {1, 2, -1},
                               "       10.000 A                  10.000 C           "},
                      CostCase{"SmallEntriesCountInAnExactTableau",
                               {1, 2, 5},
                               {1e-5, -1e-5, 0},
                               "   100010.000 A             -199990.000 B           "},
                      CostCase{"OnlyAnExactZeroEntryIsSkipped",
                               {1, 2, 1e-12},
                               {0, -0.0, 1e-9},
                               "       10.001 C               -Infinity             "}),
    caseName<CostCase>);

TEST(CostRanging, ArtificialAndBasicColumnsNeverLimit) {
    Harness h;
    Store& s = h.store();
    costRangingTableau(s);
    s.tab.isart[2] = 1;
    s.tab.a_mat[0][2] = 1;
    s.tab.a_mat[1][2] = 1;
    s.tab.col_status[3] = 0;
    setBasis(s, {1, 3});
    s.tab.a_mat[0][3] = 1;
    s.tab.a_mat[1][3] = 1;
    EXPECT_EQ(costLine(h, 1),
              " 1. X               10.000     +Infinity                 -Infinity             ");
}

TEST(CostRanging, MaximisationReversesTheSides) {
    Harness h;
    Store& s = h.store();
    costRangingTableau(s);
    s.model.z_mult = -1.0;
    s.tab.a_mat[0][2] = 2;
    s.tab.a_mat[1][2] = 1;
    s.tab.a_mat[0][3] = 3;
    s.tab.a_mat[1][3] = -1;
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
    s.model.z_mult = GetParam().z_mult;
    s.tab.cost[2] = 5;
    s.tab.a_mat[0][2] = 1.5;
    zep::detail::ExactRangeLine exact =
        zep::detail::nonbasic_cost_range(s, zep::detail::exact_of_doubles(s), 2);
    auto nearest = [](const zep::detail::ExactLimit& l) {
        return zep::detail::Limit{zep::detail::nearest_double(l.value), l.column};
    };
    zep::detail::range_cnb(s, {"B", 5, nearest(exact.upper), nearest(exact.lower)});
    EXPECT_EQ(h.output(), std::string(GetParam().limits) + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Sense, NonbasicCostRange,
    ::testing::Values(NonbasicCase{"Maximising", -1.0, "        6.500 A               -Infinity"},
                      NonbasicCase{"Minimising", 1.0,
                                   "    +Infinity                     3.500 A           "}),
    caseName<NonbasicCase>);

// MAX P) X + Y, C1) -X = 0, C2) X + Y <= 5 after phase 2: ART:C1 stays basic
// at zero and holds X out of the basis (its phase-1 entry is 1).
void artificialHoldsXOut(Store& s) {
    zep::detail::initParam(s);
    s.model.z_mult = -1.0;
    s.model.num_vars = 2;
    setNames(s, {"X", "Y", "ART:C1", "SLK:C2"});
    setLabels(s, {"P", "C1", "C2"});
    s.tab.ph1_row = s.tab.last_row = 3;
    s.tab.isart[3] = 1;
    s.tab.cost[1] = s.tab.cost[2] = 1;
    setRowColumns(s, {{0, 3, 3}, {1, 4, 0}});
    s.model.rrhs[2] = 5;
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
    s.tab.a_mat[0][1] = 1; // X would enter first once Y's cost fell by 1
    s.tab.a_mat[0][4] = 3;
    EXPECT_EQ(costLine(h, 2),
              " 2. Y                1.000     +Infinity                    -2.000 SLK:C2      ");
}

TEST(CostRanging, ColumnsBlockedOnlyWhileAnArtificialIsBasic) {
    Harness h;
    Store& s = h.store();
    artificialHoldsXOut(s);
    s.tab.isart[3] = 0; // the same tableau with an ordinary column in row 1
    EXPECT_EQ(costLine(h, 1), " 1. X                1.000         0.000 X               -Infinity");
}

} // namespace
