#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "input/chars.h"
#include "store/store.h"

namespace {

TEST(Store, ProcessStartValues) {
    auto s = std::make_unique<zep::detail::Store>();
    EXPECT_EQ(s->opt.echo, 1);
    EXPECT_EQ(s->opt.dispModel, 1);
    EXPECT_EQ(s->tol.eps_print, 1e-6);
    EXPECT_EQ(s->opt.inputMatrix + s->opt.show_range + s->opt.debug + s->opt.last_tableau +
                  s->opt.show_exchanges,
              0);
    EXPECT_EQ(s->tol.infinity, 0.0);
    EXPECT_EQ(s->tab.a_mat[31][80], 0.0);
}

TEST(Store, NewStoreHoldsTheStartValues) {
    auto made = zep::detail::newStore();
    auto valued = std::make_unique<zep::detail::Store>();
    EXPECT_EQ(std::memcmp(made.get(), valued.get(), sizeof(zep::detail::Store)), 0);
}

TEST(Store, NamesAsWrittenAreEmptyUntilKeptAndCopiedWhole) {
    using zep::detail::max_names;
    auto s = zep::detail::newStore();
    EXPECT_STREQ(s->names.var[1], "");
    EXPECT_STREQ(s->names.row[zep::detail::tab_rows - 1], "");
    std::string longest(zep::detail::long_name_size - 1, 'q');
    s->names.var.set(max_names, longest);
    s->names.row.set(0, "Profit");
    EXPECT_EQ(s->names.var[max_names], longest);
    EXPECT_STREQ(s->names.var[1], "");
    EXPECT_STREQ(s->names.row[0], "Profit");
    auto copy = std::make_unique<zep::detail::Store>(*s);
    s->names.row.set(0, "Cost");
    EXPECT_STREQ(copy->names.row[0], "Profit");
    EXPECT_EQ(copy->names.var[max_names], longest);
    *copy = zep::detail::Store{};
    EXPECT_STREQ(copy->names.row[0], "");
    EXPECT_STREQ(s->names.row[0], "Cost");
}

TEST(InitParam, SetsTolerancesAndBoundsButNotEpsPrint) {
    auto s = std::make_unique<zep::detail::Store>();
    s->tol.eps_print = 0.5;
    s->tab.col_status[3] = 2;
    zep::detail::initParam(*s);
    EXPECT_EQ(s->tol.infinity, 1e30);
    EXPECT_EQ(s->tol.eps_infe, 1e-5);
    EXPECT_EQ(s->tol.eps_ratio, 1e-12);
    EXPECT_EQ(s->tol.eps_pivot, 1e-5);
    EXPECT_EQ(s->tol.eps_price, 1e-5);
    EXPECT_EQ(s->tol.eps_print, 0.5);
    EXPECT_EQ(s->tab.col_status[3], 2);
    for (int j = 0; j < zep::detail::tab_cols; j++) {
        EXPECT_EQ(s->tab.upperb[j], 1e30);
        EXPECT_EQ(s->tab.lowerb[j], 0.0);
    }
}

TEST(InitParam, ClearsOnlyRowsUpToNumCons) {
    auto s = std::make_unique<zep::detail::Store>();
    s->model.num_cons = 2;
    for (int r = 0; r < 4; r++) s->tab.a_mat[r][80] = 7;
    s->tab.cost[80] = 7;
    s->tab.isart[80] = 1;
    zep::detail::initParam(*s);
    EXPECT_EQ(s->tab.a_mat[0][80], 0.0);
    EXPECT_EQ(s->tab.a_mat[2][80], 0.0);
    EXPECT_EQ(s->tab.a_mat[3][80], 7.0);
    EXPECT_EQ(s->tab.cost[80], 0.0);
    EXPECT_EQ(s->tab.isart[80], 0);
}

TEST(Chars, CaseConversionLeavesHighBytesAlone) {
    EXPECT_EQ(zep::detail::Toupper('a'), 'A');
    EXPECT_EQ(zep::detail::Toupper('Z'), 'Z');
    EXPECT_EQ(zep::detail::Toupper('1'), '1');
    EXPECT_EQ(zep::detail::Toupper(static_cast<char>(0xE1)), -31);
    EXPECT_EQ(zep::detail::Tolower('Q'), 'q');
    EXPECT_EQ(zep::detail::Tolower(static_cast<char>(0xC1)), -63);
}

TEST(Chars, StrnicmpComparesExactlyNPositions) {
    EXPECT_EQ(zep::detail::strnicmp("Maximize", "max", 3), 0);
    EXPECT_EQ(zep::detail::strnicmp("MIN", "max", 3), 'I' - 'A');
    EXPECT_LT(zep::detail::strnicmp("MA", "max", 3), 0);
    EXPECT_EQ(zep::detail::strnicmp("ab", "AB", 3), 0);
}

} // namespace
