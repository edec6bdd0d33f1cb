#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "reports/listing.h"
#include "support.h"

namespace {

using zep::detail::outTerm;
using zep::detail::testing::Harness;

// Names columns 1.. and rows 0.. of the store.
void nameModel(zep::detail::Store& s, const std::vector<const char*>& vars,
               const std::vector<const char*>& labels) {
    s.model.num_vars = static_cast<int>(vars.size());
    s.model.num_cons = static_cast<int>(labels.size()) - 1;
    for (std::size_t j = 0; j < vars.size(); j++) std::strcpy(s.tab.varname[j + 1], vars[j]);
    for (std::size_t r = 0; r < labels.size(); r++) std::strcpy(s.model.rname[r], labels[r]);
}

TEST(LineComposer, LineOfExactly78CharactersFits) {
    Harness h;
    outTerm(h.store(), std::string(70, 'a').c_str(), 1);
    outTerm(h.store(), std::string(8, 'b').c_str(), 0);
    outTerm(h.store(), "", -1);
    EXPECT_EQ(h.output(), std::string(70, 'a') + std::string(8, 'b') + "\n");
}

TEST(LineComposer, PieceReaching79StartsIndentedLine) {
    Harness h;
    outTerm(h.store(), std::string(70, 'a').c_str(), 1);
    outTerm(h.store(), " bbbbbbbb", 0);
    EXPECT_EQ(h.store().listing.outLen, 17);
    outTerm(h.store(), "", -1);
    EXPECT_EQ(h.output(), std::string(70, 'a') + "\n         bbbbbbbb\n");
}

TEST(LineComposer, WrapsOnlyBetweenPiecesAndKeepsLinesWithin78) {
    Harness h;
    std::string all = "Minimize ";
    std::set<std::size_t> boundaries = {all.size()};
    outTerm(h.store(), all.c_str(), 1);
    for (int k = 0; k < 40; k++) {
        std::string piece = " + " + std::to_string(k * 37 % 1000) + " VAR" + std::to_string(k);
        outTerm(h.store(), piece.c_str(), 0);
        all += piece;
        boundaries.insert(all.size());
    }
    outTerm(h.store(), "", -1);

    std::string out = h.output(), joined;
    std::size_t start = 0, lines = 0;
    for (std::size_t nl; (nl = out.find('\n', start)) != std::string::npos; start = nl + 1) {
        std::string line = out.substr(start, nl - start);
        EXPECT_LE(line.size(), 78u);
        if (lines++ > 0) {
            ASSERT_EQ(line.compare(0, 9, "         "), 0) << line;
            line.erase(0, 8);
            EXPECT_TRUE(boundaries.count(joined.size())) << "split before: " << line;
        }
        joined += line;
    }
    EXPECT_GT(lines, 3u);
    EXPECT_EQ(joined, all);
}

TEST(LineComposer, ModeOneDiscardsUnwrittenTextAndOtherModesDoNothing) {
    Harness h;
    outTerm(h.store(), "lost", 1);
    outTerm(h.store(), "kept", 1);
    outTerm(h.store(), "ignored", 2);
    outTerm(h.store(), "ignored", -2);
    outTerm(h.store(), "ignored", -1);
    EXPECT_EQ(h.output(), "kept\n");
    EXPECT_EQ(h.store().listing.outLen, 0);
    EXPECT_STREQ(h.store().listing.outBuf, "");
}

TEST(LineComposer, OversizedPieceStaysInsideLineBuffer) {
    Harness h;
    outTerm(h.store(), std::string(300, 'x').c_str(), 1);
    EXPECT_EQ(h.store().listing.outLen, 127);
    EXPECT_EQ(std::strlen(h.store().listing.outBuf), 127u);
    outTerm(h.store(), "", -1);
    EXPECT_EQ(h.output(), "\n        " + std::string(119, 'x') + "\n");
}

struct TermCase {
    double v;
    int first;
    const char* text;
};

TEST(TermText, FollowsThresholdTable) {
    const TermCase cases[] = {
        {0.9999995, 1, " X"},
        {0.9999995, 0, " + X"},
        {1.000001, 1, " X"},
        {1.0000011, 1, " 1 X"},
        {-1.0, 1, " - X"},
        {-1.0000005, 0, " - X"},
        {1.000025, 1, " 1.00003 X"},
        {2.5, 0, " + 2.5 X"},
        {-2.5, 1, " - 2.5 X"},
        {-2.5, 0, " - 2.5 X"},
        {1234567, 1, " 1.23457e+06 X"},
        {0.0000011, 0, " + 1.1e-06 X"},
    };
    Harness h;
    for (const TermCase& c : cases) {
        char out[zep::detail::term_size];
        zep::detail::makeTerm(h.store(), c.v, c.first, "X", out);
        EXPECT_STREQ(out, c.text) << c.v << " first " << c.first;
    }
}

TEST(RowText, CoefficientsWithinPrintToleranceAreLeftOut) {
    Harness h;
    zep::detail::Store& s = h.store();
    nameModel(s, {"X", "Y", "Z"}, {"OBJ", "C1"});
    s.tab.a_mat[1][1] = 0.000001;
    s.tab.a_mat[1][2] = -2;
    s.tab.a_mat[1][3] = -0.000001;
    s.tab.a_mat[1][0] = 4;
    s.tab.row_type[1] = 1;
    char out[zep::detail::term_size];
    outTerm(s, "", 1);
    zep::detail::outLhs(s, 1, s.tab.a_mat[1], out);
    zep::detail::outRhs(s, 1, out);
    EXPECT_EQ(h.output(), "C1)       - 2 Y <= 4\n");
}

TEST(RowText, RowWithAllTermsLeftOutShowsLabelRelationAndRhs) {
    Harness h;
    zep::detail::Store& s = h.store();
    nameModel(s, {"X"}, {"OBJ", "C1"});
    s.tab.a_mat[1][0] = 1.000025;
    s.tab.row_type[1] = -1;
    char out[zep::detail::term_size];
    outTerm(s, "", 1);
    zep::detail::outLhs(s, 1, s.tab.a_mat[1], out);
    zep::detail::outRhs(s, 1, out);
    EXPECT_EQ(h.output(), "C1)       >= 1.00003\n");
}

TEST(RowText, EightCharacterLabelFillsTheFieldExactly) {
    Harness h;
    zep::detail::Store& s = h.store();
    nameModel(s, {"X"}, {"OBJ", "ABCDEFGH"});
    s.tab.a_mat[1][1] = 1;
    s.tab.a_mat[1][0] = 3;
    char out[zep::detail::term_size];
    outTerm(s, "", 1);
    zep::detail::outLhs(s, 1, s.tab.a_mat[1], out);
    zep::detail::outRhs(s, 1, out);
    EXPECT_EQ(h.output(), "ABCDEFGH) X  = 3\n");
}

TEST(Listing, ModelWithoutConstraints) {
    Harness h;
    zep::detail::Store& s = h.store();
    nameModel(s, {"X", "Y"}, {"COST"});
    s.model.z_mult = 1.0;
    s.tab.cost[1] = -3;
    s.tab.cost[2] = 0.5;
    zep::detail::showModel(s);
    EXPECT_EQ(h.output(), "\n                           *** LP MODEL ***\n\n"
                          "Minimize COST)     - 3 X + 0.5 Y\n"
                          "subject to:\n"
                          "\n");
    EXPECT_EQ(s.listing.outLen, 0);
}

TEST(Listing, MaximisationWithConstraints) {
    Harness h;
    zep::detail::Store& s = h.store();
    nameModel(s, {"X", "Y"}, {"PROFIT", "C1", "C2"});
    s.model.z_mult = -1.0;
    s.tab.cost[1] = 2;
    s.tab.cost[2] = 3;
    double rows[2][3] = {{4, 1, 1}, {6, 1, 3}};
    for (int r = 1; r <= 2; r++) {
        for (int j = 0; j <= 2; j++) s.tab.a_mat[r][j] = rows[r - 1][j];
        s.tab.row_type[r] = 1;
    }
    zep::detail::showModel(s);
    EXPECT_EQ(h.output(), "\n                           *** LP MODEL ***\n\n"
                          "Maximize PROFIT)   2 X + 3 Y\n"
                          "subject to:\n"
                          "C1)       X + Y <= 4\n"
                          "C2)       X + 3 Y <= 6\n"
                          "\n");
}

} // namespace
