// The reader of MPS: the format's own example in fixed and in free layout,
// the sense, comments, and every refusal with the line it names.
#include <gtest/gtest.h>

#include <string>

#include "input/mps.h"
#include "support.h"

namespace {

using zep::detail::testing::Harness;

int read(Harness& h) {
    std::snprintf(h.store().file_name, sizeof h.store().file_name, "m.mps");
    zep::detail::initParam(h.store());
    return h.run(zep::detail::readMps);
}

std::string lastLine(Harness& h) {
    std::string out = h.output();
    if (!out.empty() && out.back() == '\n') out.pop_back();
    return out.substr(out.rfind('\n') + 1);
}

// The classic example of the format, in fixed columns, without its bounds.
constexpr const char* testprob = R"(NAME          TESTPROB
ROWS
 N  COST
 L  LIM1
 G  LIM2
 E  MYEQN
COLUMNS
    XONE      COST         1.0   LIM1         1.0
    XONE      LIM2         1.0
    YTWO      COST         4.0   LIM1         1.0
    YTWO      MYEQN       -1.0
    ZTHREE    COST         9.0   LIM2         1.0
    ZTHREE    MYEQN        1.0
RHS
    RHS1      LIM1         5.0   LIM2        10.0
    RHS1      MYEQN        7.0
ENDATA
)";

void expectTestprob(const zep::detail::Store& s) {
    EXPECT_EQ(s.model.z_mult, 1.0);
    EXPECT_STREQ(s.model.minmax, "MIN");
    EXPECT_EQ(s.model.num_vars, 3);
    EXPECT_EQ(s.tab.nnames, 3);
    EXPECT_EQ(s.model.num_cons, 3);
    EXPECT_EQ(s.tab.last_row, 3);
    EXPECT_STREQ(s.model.rname[0], "COST");
    EXPECT_STREQ(s.model.rname[3], "MYEQN");
    EXPECT_STREQ(s.tab.varname[3], "ZTHREE");
    EXPECT_EQ(s.tab.row_type[1], 1);
    EXPECT_EQ(s.tab.row_type[2], -1);
    EXPECT_EQ(s.tab.row_type[3], 0);
    EXPECT_EQ(s.tab.a_mat[0][2], 4.0);
    EXPECT_EQ(s.tab.a_mat[3][2], -1.0);
    EXPECT_EQ(s.tab.a_mat[1][3], 0.0);
    EXPECT_EQ(s.model.rrhs[2], 10.0);
    EXPECT_EQ(s.tab.a_mat[3][0], 7.0);
}

TEST(MpsReader, ReadsTheClassicExampleInFixedColumns) {
    Harness h(testprob);
    ASSERT_EQ(read(h), -1) << h.output();
    EXPECT_EQ(h.output(), "Processing 3 variables and 3 constraints from file m.mps\n");
    expectTestprob(h.store());
}

// Fixed MPS as older files write it: "$" comments in fields 3 and 5, and
// COLUMNS records whose blank field 2 goes on with the column before.
TEST(MpsReader, ReadsFixedColumnCommentsAndContinuedColumns) {
    Harness h(R"(NAME          TESTPROB
ROWS
 N  COST      $ cost in dollars
 L  LIM1
 G  LIM2      $ a lower limit
 E  MYEQN
COLUMNS
    XONE      COST         1.0   LIM1         1.0
              LIM2         1.0
    YTWO      COST         4.0   LIM1         1.0
              MYEQN       -1.0
    ZTHREE    COST         9.0         $ the dearest
              LIM2         1.0   MYEQN        1.0
RHS
    RHS1      LIM1         5.0   LIM2        10.0
    RHS1      MYEQN        7.0
ENDATA
)");
    ASSERT_EQ(read(h), -1) << h.output();
    expectTestprob(h.store());
}

TEST(MpsReader, ReadsTheClassicExampleInFreeLayout) {
    Harness h("* free layout, tabs, comments and blank lines\nNAME TESTPROB\nROWS\n N COST\n"
              " L LIM1\n\tG LIM2\n E MYEQN\n\nCOLUMNS\n XONE COST 1 LIM1 1\n XONE LIM2 1\n"
              "* a comment among the columns\n YTWO COST 4 LIM1 1\n YTWO MYEQN -1\n"
              " ZTHREE\tCOST 9 LIM2 1\n ZTHREE MYEQN 1\nRHS\n LIM1 5 LIM2 10\n MYEQN 7\r\n"
              "ENDATA\n");
    ASSERT_EQ(read(h), -1) << h.output();
    expectTestprob(h.store());
}

TEST(MpsReader, ReadsTheClassicExampleWithItsBounds) {
    std::string text = testprob;
    text.insert(text.rfind("ENDATA"), "BOUNDS\n UP BND1      XONE         4.0\n"
                                      " LO BND1      YTWO        -1.0\n");
    Harness h(text);
    ASSERT_EQ(read(h), -1) << h.output();
    EXPECT_EQ(h.store().model.upper[1], 4.0);
    EXPECT_EQ(h.store().model.lower[2], -1.0);
}

struct SenseCase {
    const char* text;
    double z_mult;
};

class MpsSense : public ::testing::TestWithParam<SenseCase> {};

TEST_P(MpsSense, OnItsOwnLineOrTheSame) {
    Harness h(std::string(GetParam().text) + "ROWS\n N Z\nCOLUMNS\n X Z 2\n");
    ASSERT_EQ(read(h), -1) << h.output();
    EXPECT_EQ(h.store().model.z_mult, GetParam().z_mult);
    EXPECT_STREQ(h.store().model.minmax, GetParam().z_mult < 0 ? "MAX" : "MIN");
}

INSTANTIATE_TEST_SUITE_P(
    Spellings, MpsSense,
    ::testing::Values(SenseCase{"OBJSENSE\n    MAX\n", -1}, SenseCase{"OBJSENSE MAXIMIZE\n", -1},
                      SenseCase{"NAME\nOBJSENSE\n  max\n", -1}, SenseCase{"OBJSENSE\n    MIN\n", 1},
                      SenseCase{"OBJSENSE MINIMIZE\n", 1}, SenseCase{"NAME\n", 1}));

TEST(MpsReader, SumsARepeatedEntryAndTakesColumnsInAnyOrder) {
    Harness h("ROWS\n N Z\n L C\nCOLUMNS\n X C 1 Z 2\n Y C 3\n X C 4\nRHS\n RHS C 8\n");
    ASSERT_EQ(read(h), -1) << h.output();
    EXPECT_EQ(h.store().tab.a_mat[1][1], 5.0);
    EXPECT_EQ(h.store().tab.a_mat[1][2], 3.0);
    EXPECT_EQ(h.store().tab.a_mat[0][1], 2.0);
}

TEST(MpsReader, NegatesARowWithANegativeRightHandSideAndSaysSo) {
    Harness h("ROWS\n N Z\n G LOW\nCOLUMNS\n X LOW -1 Z 1\nRHS\n RHS LOW -2.5\n");
    ASSERT_EQ(read(h), -1) << h.output();
    EXPECT_EQ(h.output(), "Processing 1 variables and 1 constraints from file m.mps\n"
                          "Note: row LOW had a negative right-hand side; multiplied by -1, its "
                          "relation is now <=\n");
    EXPECT_EQ(h.store().tab.row_type[1], 1);
    EXPECT_EQ(h.store().tab.a_mat[1][1], 1.0);
    EXPECT_EQ(h.store().model.rrhs[1], 2.5);
}

TEST(MpsReader, TakesBoundsThatSayOnlyNonNegative) {
    Harness h(
        "ROWS\n N Z\nCOLUMNS\n X Z 1\n Y Z 1\nBOUNDS\n LO BND X 0\n PL BND Y\n LO X -0\n PL Y\n");
    ASSERT_EQ(read(h), -1) << h.output();
    EXPECT_EQ(h.store().model.num_vars, 2);
}

TEST(MpsReader, AModelWithoutAnObjectiveRowGetsOne) {
    Harness h("ROWS\n L C\nCOLUMNS\n X C 1\nRHS\n RHS C 1\nENDATA\n");
    ASSERT_EQ(read(h), -1) << h.output();
    EXPECT_STREQ(h.store().model.rname[0], "OBJ");
    EXPECT_EQ(h.store().tab.a_mat[0][1], 0.0);
}

struct Refusal {
    const char* text;
    const char* message;
};

class MpsRefusal : public ::testing::TestWithParam<Refusal> {};

TEST_P(MpsRefusal, NamesTheFeatureAndTheLine) {
    Harness h(GetParam().text);
    EXPECT_EQ(read(h), 255);
    EXPECT_EQ(lastLine(h), std::string("MPS input error, ") + GetParam().message);
}

#define HEAD "ROWS\n N Z\n L C\nCOLUMNS\n X Z 1 C 1\n"

INSTANTIATE_TEST_SUITE_P(
    Cases, MpsRefusal,
    ::testing::Values(
        Refusal{HEAD "RANGES\n RNG Z 4\n", "line 7: a range on the objective row Z"},
        Refusal{HEAD "RANGES\n RNG C 4\n RNG C 5\n", "line 8: the range of row C is given twice"},
        Refusal{HEAD "BOUNDS\n BV BND X\n",
                "line 7: integer variables (bound type BV) are not supported"},
        Refusal{HEAD "BOUNDS\n LI BND X 1\n",
                "line 7: integer variables (bound type LI) are not supported"},
        Refusal{HEAD "BOUNDS\n SC BND X 1\n",
                "line 7: semi-continuous variables are not supported"},
        Refusal{HEAD "BOUNDS\n XX BND X 1\n", "line 7: unknown bound type XX"},
        Refusal{HEAD "BOUNDS\n UP BND W 1\n", "line 7: unknown column W"},
        Refusal{HEAD "BOUNDS\n UP BND X\n", "line 7: unknown column BND"},
        Refusal{HEAD "BOUNDS\n UP BND X 1 2\n",
                "line 7: a data line with 5 fields, which this section does not take"},
        Refusal{HEAD " M 'MARKER' 'INTORG'\n",
                "line 6: integer variables (a MARKER line) are not supported"},
        Refusal{HEAD "RHS\n RHS C 5\n RHS C 6\n",
                "line 8: the right-hand side of row C is given twice"},
        Refusal{HEAD "RHS\n RHS C 5\n RHS2 C 6\n", "line 8: a second right-hand-side vector, RHS2"},
        Refusal{HEAD "QMATRIX\n", "line 6: quadratic terms (a QMATRIX section) are not supported"},
        Refusal{HEAD "SOS\n", "line 6: special ordered sets are not supported"},
        Refusal{HEAD "INDICATORS\n", "line 6: the section INDICATORS is not supported"},
        Refusal{HEAD "ENDATA\n X Z 1\n", "line 7: text after ENDATA"},
        Refusal{HEAD " X Y 1\n", "line 6: unknown row Y"},
        Refusal{HEAD " X C one\n", "line 6: 'one' is not a number"},
        Refusal{HEAD " X C 0x10\n", "line 6: '0x10' is not a number"},
        Refusal{HEAD " X C inf\n", "line 6: 'inf' is not a number"},
        Refusal{HEAD " X C 1e400\n", "line 6: the number 1e400 is out of range"},
        Refusal{HEAD " X C 1 Z\n",
                "line 6: a data line with 4 fields, which this section does not take"},
        Refusal{"ROWS\n N Z\n N W\n", "line 3: a second objective (N) row, W"},
        Refusal{"ROWS\n N Z\n X W\n", "line 3: unknown row type X"},
        Refusal{"ROWS\n N Z\n L z\n",
                "line 3: the names Z and z differ only in case, which zep does not tell apart"},
        Refusal{"ROWS\n N Z\n L C\n L C\n", "line 4: the row label C is given twice"},
        Refusal{"ROWS\n N Z\n L C\nCOLUMNS\n SLK:C C 1\n",
                "line 5: the variable name SLK:C is also the name of an added column"},
        Refusal{"OBJSENSE\n UP\n", "line 2: unknown objective sense UP"},
        Refusal{"ROWS extra\n", "line 1: unexpected 'extra' after ROWS"},
        Refusal{" N Z\n", "line 1: a data line before the first section"},
        Refusal{"NAME\n X\n", "line 2: a data line in the NAME section"},
        Refusal{"ROWS\n N Z\n L MY ROW\n",
                "line 3: a data line with 3 fields, which this section does not take"},
        Refusal{"ROWS\n N  Z\n L  MY ROW\n",
                "line 3: the name 'MY ROW' holds a blank, which zep does not allow"},
        Refusal{"ROWS\n N Z\nCOLUMNS\n a b c d e f g h i\n", "line 4: too many fields"}));

} // namespace
