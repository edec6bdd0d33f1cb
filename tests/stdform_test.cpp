#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "input/matrix.h"
#include "simplex/tableau.h"
#include "stdform/stdform.h"
#include "support.h"

namespace {

using zep::detail::testing::Harness;

int build(Harness& h) {
    zep::detail::initParam(h.store());
    return h.run([](zep::detail::Store& s) {
        zep::detail::generate2(s);
        zep::detail::setprob(s);
    });
}

TEST(SetProb, FourRowMinimisingModelGetsPhaseOneRow) {
    Harness h("MIN 2 3 X Y COST 1 2 C1 1 1 <= 4 C2 1 -1 >= 1 C3 1 0 = 2");
    ASSERT_EQ(build(h), -1);
    zep::detail::Store& s = h.store();
    EXPECT_EQ(s.tab.last_col, 6);
    EXPECT_STREQ(s.tab.varname[3], "SLK:C1");
    EXPECT_STREQ(s.tab.varname[4], "SRP:C2");
    EXPECT_STREQ(s.tab.varname[5], "ART:C2");
    EXPECT_STREQ(s.tab.varname[6], "ART:C3");
    EXPECT_EQ(s.tab.nnames, 6);
    EXPECT_EQ((std::vector<int>{s.tab.row_type[1], s.tab.row_type[2], s.tab.row_type[3]}),
              (std::vector<int>{1, -1, 0}));
    EXPECT_EQ((std::vector<int>{s.tab.added_col[1], s.tab.added_col[2], s.tab.added_col[3]}),
              (std::vector<int>{3, 4, 6}));
    EXPECT_EQ((std::vector<int>{s.tab.basis_index[1], s.tab.basis_index[2], s.tab.basis_index[3]}),
              (std::vector<int>{3, 5, 6}));
    EXPECT_EQ((std::vector<int>{s.tab.col_status[3], s.tab.col_status[4], s.tab.col_status[5],
                                s.tab.col_status[6]}),
              (std::vector<int>{1, 0, 2, 3}));
    EXPECT_EQ(s.tab.isart[5] + s.tab.isart[6], 2);
    EXPECT_EQ(s.tab.isart[3] + s.tab.isart[4], 0);
    EXPECT_EQ(s.tab.phase, 1);
    EXPECT_EQ(s.tab.ph1_row, 4);
    EXPECT_EQ(s.tab.last_row, 4);
    std::vector<double> p1(s.tab.a_mat[4], s.tab.a_mat[4] + 7);
    EXPECT_EQ(p1, (std::vector<double>{3, -2, 1, 0, 1, 0, 0}));
    EXPECT_EQ(s.tab.a_mat[2][4], -1.0);
    EXPECT_EQ(s.tab.a_mat[2][5], 1.0);
}

TEST(SetProb, MaximisingModelNegatesRowZeroAndKeepsCostAsRead) {
    Harness h("MAX 2 1 X Y P 2 -3 C1 1 1 <= 4");
    ASSERT_EQ(build(h), -1);
    zep::detail::Store& s = h.store();
    EXPECT_EQ(s.tab.cost[1], 2.0);
    EXPECT_EQ(s.tab.cost[2], -3.0);
    EXPECT_EQ(s.tab.a_mat[0][1], -2.0);
    EXPECT_EQ(s.tab.a_mat[0][2], 3.0);
    EXPECT_TRUE(std::signbit(s.tab.a_mat[0][0]));
    EXPECT_EQ(s.tab.phase, 2);
    EXPECT_EQ(s.tab.last_row, 1);
    EXPECT_EQ(s.tab.basis_index[1], 3);
}

TEST(SetProb, SurplusBeforeSlackAndAddedColumnNumbering) {
    Harness h("MIN 2 2 X Y C 1 1 R1 1 2 >= 5 R2 1 1 <= 9");
    ASSERT_EQ(build(h), -1);
    zep::detail::Store& s = h.store();
    // The relations stay as read; the added columns are recorded beside them.
    EXPECT_EQ(s.tab.row_type[1], -1);
    EXPECT_EQ(s.tab.row_type[2], 1);
    EXPECT_EQ(s.tab.added_col[1], 3);
    EXPECT_EQ(s.tab.art_col[1], 4);
    EXPECT_EQ(s.tab.added_col[2], 5);
    EXPECT_EQ(s.tab.basis_index[1], 4);
    // Phase-1 row of a single ">=" row with coefficients 1 and 2 and right-hand side 5.
    std::vector<double> p1(s.tab.a_mat[3], s.tab.a_mat[3] + 6);
    EXPECT_EQ(p1, (std::vector<double>{5, -1, -2, 1, 0, 0}));
}

TEST(SetProb, AllEqualityRowsSumEveryColumn) {
    Harness h("MIN 2 3 X Y C 1 1 R1 1 2 = 1 R2 3 -1 = 2 R3 0.5 4 = 4");
    ASSERT_EQ(build(h), -1);
    zep::detail::Store& s = h.store();
    EXPECT_EQ(s.tab.a_mat[4][0], 7.0);
    EXPECT_EQ(s.tab.a_mat[4][1], -4.5);
    EXPECT_EQ(s.tab.a_mat[4][2], -5.0);
    for (int k = 3; k <= 5; k++) EXPECT_EQ(s.tab.a_mat[4][k], 0.0);
}

TEST(SetProb, NoConstraintsMeansPhaseTwoAndNoAddedColumns) {
    Harness h("MIN 1 0 X C 1");
    ASSERT_EQ(build(h), -1);
    EXPECT_EQ(h.store().tab.phase, 2);
    EXPECT_EQ(h.store().tab.last_col, 1);
    EXPECT_EQ(h.store().tab.last_row, 0);
}

std::string wideModel(int vars, int rows) {
    std::string t = "MAX " + std::to_string(vars) + " " + std::to_string(rows);
    for (int j = 1; j <= vars; j++) t += " X" + std::to_string(j);
    t += " P";
    for (int j = 1; j <= vars; j++) t += " 1";
    for (int r = 1; r <= rows; r++) {
        t += " R" + std::to_string(r);
        for (int j = 1; j <= vars; j++) t += " 1";
        t += " <= 1";
    }
    return t;
}

TEST(SetProb, FiftyNamesFitAndTheFiftyFirstEndsWithStatusTwo) {
    Harness fits(wideModel(20, 30));
    ASSERT_EQ(build(fits), -1);
    EXPECT_EQ(fits.store().tab.nnames, 50);
    EXPECT_EQ(fits.store().tab.last_col, 50);
    EXPECT_EQ(fits.store().tab.last_row, 30);

    Harness full(wideModel(21, 30));
    EXPECT_EQ(build(full), 2);
    std::string out = full.output();
    EXPECT_EQ(out.substr(out.find('\n') + 1), "MAX DIMENSIONS EXCEEDED  Error code 2\n");
}

TEST(SetProb, ThirtyRowsNeedingPhaseOneUseTheLastTableauRow) {
    std::string t = "MIN 1 30 X C 1";
    for (int r = 1; r <= 30; r++) t += " R" + std::to_string(r) + " 1 = 1";
    Harness h(t);
    ASSERT_EQ(build(h), -1);
    EXPECT_EQ(h.store().tab.ph1_row, 31);
    EXPECT_EQ(h.store().tab.a_mat[31][0], 30.0);
    EXPECT_EQ(h.store().tab.a_mat[31][1], -30.0);
}

// Counts the blocks of a dump by their heading lines.
int blocks(const std::string& out) {
    int n = 0;
    for (std::size_t p = out.find("  Name "); p != std::string::npos;
         p = out.find("  Name ", p + 1))
        n++;
    return n;
}

TEST(Tableau, BlocksOfFiftyColumns) {
    for (int last : {0, 49, 50}) {
        Harness h;
        zep::detail::Store& s = h.store();
        s.tab.last_col = last;
        s.tab.last_row = 1;
        zep::detail::tableau(s);
        std::string out = h.output();
        EXPECT_EQ(blocks(out), last == 50 ? 2 : 1) << last;
        EXPECT_NE(out.find(last == 0 ? "Column  0\n" : "Column 49\n"), std::string::npos);
    }
}

TEST(Tableau, WideValueWidensItsCellOnly) {
    Harness h;
    zep::detail::Store& s = h.store();
    s.tab.last_col = 1;
    s.tab.a_mat[0][1] = 1e9;
    s.tab.basis_index[0] = 0;
    zep::detail::tableau(s);
    EXPECT_NE(h.output().find("\n 0    0         0.000  1000000000.000\n"), std::string::npos);
}

} // namespace
