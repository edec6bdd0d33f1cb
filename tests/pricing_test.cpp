// Pricing and the choice of the entering column.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hand_tableau.h"
#include "simplex/simplex.h"

namespace {

using zep::detail::Store;
using zep::detail::testing::Harness;
using zep::detail::testing::Tableau;

// Pricing

struct PricingCase {
    const char* name;
    std::vector<double> row0; // entries of columns 1, 2, ...
    int piv_col;              // 0: none qualifies
};

class Pricing : public ::testing::TestWithParam<PricingCase> {};

TEST_P(Pricing, ChoosesTheSpecifiedColumn) {
    const PricingCase& c = GetParam();
    Tableau t(0, static_cast<int>(c.row0.size()));
    for (std::size_t j = 0; j < c.row0.size(); j++) t.s.tab.a_mat[0][j + 1] = c.row0[j];
    zep::detail::Entering in = zep::detail::incoming(t.s, false);
    EXPECT_EQ(in.piv_col, c.piv_col);
    EXPECT_EQ(in.direction, c.piv_col == 0 ? 0.0 : 1.0);
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
    t.s.tab.isart[2] = 1;
    EXPECT_EQ(zep::detail::incoming(t.s, false).piv_col, 3);
}

TEST(Pricing, ColumnAtUpperBoundEntersDownward) {
    Tableau t(0, 2);
    t.row(0, {0, -0.25, 0.5});
    t.s.tab.col_status[2] = -1;
    zep::detail::Entering in = zep::detail::incoming(t.s, false);
    EXPECT_EQ(in.piv_col, 2);
    EXPECT_EQ(in.direction, -1.0);
}

TEST(Pricing, BlandsRuleTakesFirstQualifyingColumn) {
    Tableau t(0, 3);
    t.row(0, {0, 1, -1, -3});
    EXPECT_EQ(zep::detail::incoming(t.s, true).piv_col, 2);
}

} // namespace
