// The reader of the CPLEX LP format: the format's own examples, its
// spellings and layout, and every refusal with the line it names.
#include <gtest/gtest.h>

#include <string>

#include "input/lp_format.h"
#include "support.h"

namespace {

using zep::detail::testing::Harness;

int read(Harness& h) {
    std::snprintf(h.store().file_name, sizeof h.store().file_name, "m.lp");
    zep::detail::initParam(h.store());
    return h.run(zep::detail::readLpFormat);
}

// The last line of the output: the refusal, or the "Processing" line.
std::string lastLine(Harness& h) {
    std::string out = h.output();
    if (!out.empty() && out.back() == '\n') out.pop_back();
    return out.substr(out.rfind('\n') + 1);
}

// The example of the format's documentation, without its bounds and
// integer sections.
constexpr const char* documented = R"(\ Problem name: example
Maximize
 obj: x1 + 2 x2 + 3 x3 + x4
Subject To
 c1: - x1 + x2 + x3 + 10 x4 <= 20
 c2: x1 - 3 x2 + x3 <= 30
 c3: x2 - 3.5 x4 = 0
End
)";

TEST(LpFormatReader, ReadsTheDocumentedExample) {
    Harness h(documented);
    ASSERT_EQ(read(h), -1) << h.output();
    const zep::detail::Store& s = h.store();
    EXPECT_EQ(h.output(), "Processing 4 variables and 3 constraints from file m.lp\n");
    EXPECT_EQ(s.model.z_mult, -1.0);
    EXPECT_STREQ(s.model.minmax, "MAX");
    EXPECT_EQ(s.model.num_vars, 4);
    EXPECT_EQ(s.tab.nnames, 4);
    EXPECT_EQ(s.tab.last_col, 4);
    EXPECT_EQ(s.model.num_cons, 3);
    EXPECT_EQ(s.tab.last_row, 3);
    EXPECT_STREQ(s.model.rname[0], "OBJ");
    EXPECT_STREQ(s.model.rname[3], "C3");
    EXPECT_STREQ(s.tab.varname[4], "X4");
    EXPECT_EQ(s.tab.a_mat[0][3], 3.0);
    EXPECT_EQ(s.tab.a_mat[1][1], -1.0);
    EXPECT_EQ(s.tab.a_mat[1][4], 10.0);
    EXPECT_EQ(s.tab.a_mat[3][4], -3.5);
    EXPECT_EQ(s.tab.a_mat[3][1], 0.0);
    EXPECT_EQ(s.tab.row_type[1], 1);
    EXPECT_EQ(s.tab.row_type[3], 0);
    EXPECT_EQ(s.model.rrhs[2], 30.0);
    EXPECT_EQ(s.tab.a_mat[2][0], 30.0);
}

TEST(LpFormatReader, ReadsTheDocumentedExampleUpToItsGeneralSection) {
    std::string text = documented;
    text.insert(text.rfind("End"), "Bounds\n 0 <= x1 <= 40\n 2 <= x4 <= 3\nGeneral\n x4\n");
    Harness h(text);
    EXPECT_EQ(read(h), 255);
    EXPECT_EQ(lastLine(h),
              "LP format input error, line 12: integer variables (a General section) are not "
              "supported");
}

struct SenseCase {
    const char* text;
    double z_mult;
};

class LpFormatSense : public ::testing::TestWithParam<SenseCase> {};

TEST_P(LpFormatSense, EverySpellingInAnyCase) {
    Harness h(std::string(GetParam().text) + "\nSubject To\n c: x >= 1\nEnd\n");
    ASSERT_EQ(read(h), -1) << h.output();
    EXPECT_EQ(h.store().model.z_mult, GetParam().z_mult);
    EXPECT_EQ(h.store().tab.a_mat[0][1], 2.0);
}

INSTANTIATE_TEST_SUITE_P(
    Spellings, LpFormatSense,
    ::testing::Values(SenseCase{"Maximize\n z: 2 x", -1}, SenseCase{"MAXIMISE z: 2 x", -1},
                      SenseCase{"maximum\n2 x", -1}, SenseCase{"Max\n z: 2x", -1},
                      SenseCase{"Minimize\n z: 2 x", 1}, SenseCase{"minimise 2 x", 1},
                      SenseCase{"MINIMUM\n z:\n 2 x", 1}, SenseCase{"min z: 2 x", 1}));

struct RelationCase {
    const char* relation;
    int row_type;
};

class LpFormatRelation : public ::testing::TestWithParam<RelationCase> {};

TEST_P(LpFormatRelation, EverySpellingGivesItsCode) {
    Harness h(std::string("Minimize\n z: x\nSubject To\n c: x ") + GetParam().relation + " 1\n");
    ASSERT_EQ(read(h), -1) << h.output();
    EXPECT_EQ(h.store().tab.row_type[1], GetParam().row_type);
    EXPECT_EQ(h.store().model.rrhs[1], 1.0);
}

INSTANTIATE_TEST_SUITE_P(Spellings, LpFormatRelation,
                         ::testing::Values(RelationCase{"<", 1}, RelationCase{"<=", 1},
                                           RelationCase{"=<", 1}, RelationCase{">", -1},
                                           RelationCase{">=", -1}, RelationCase{"=>", -1},
                                           RelationCase{"=", 0}));

TEST(LpFormatReader, ConstraintKeywordsInEverySpelling) {
    for (const char* st : {"Subject To", "SUCH THAT", "st", "S.T.", "st.", "subject   to"}) {
        Harness h(std::string("Minimize\n z: x\n") + st + "\n c: x >= 1\nEND\n");
        EXPECT_EQ(read(h), -1) << st << "\n" << h.output();
        EXPECT_EQ(h.store().model.num_cons, 1) << st;
    }
}

TEST(LpFormatReader, SumsARepeatedVariableAndTakesTermsInAnyOrder) {
    Harness h("Minimize\n z: y + x + 2 y\nSubject To\n c: 2 x + y - x + 3 y >= 1\n");
    ASSERT_EQ(read(h), -1) << h.output();
    const zep::detail::Store& s = h.store();
    EXPECT_STREQ(s.tab.varname[1], "Y");
    EXPECT_EQ(s.tab.a_mat[0][1], 3.0);
    EXPECT_EQ(s.tab.a_mat[0][2], 1.0);
    EXPECT_EQ(s.tab.a_mat[1][1], 4.0);
    EXPECT_EQ(s.tab.a_mat[1][2], 1.0);
}

TEST(LpFormatReader, CommentsContinuationAndATermSplitAcrossLines) {
    Harness h("\\ heading\n\nMinimize \\ sense\n z: 3\n x \\ the coefficient on the line before\n"
              "Subject To\n c1: 2\n x +\n y\n \\ a line of comment inside a row\n <=\n 4\n"
              " c2:\n x >= 1\r\nEnd\n\\ after the end\n");
    ASSERT_EQ(read(h), -1) << h.output();
    const zep::detail::Store& s = h.store();
    EXPECT_EQ(s.tab.a_mat[0][1], 3.0);
    EXPECT_EQ(s.tab.a_mat[1][1], 2.0);
    EXPECT_EQ(s.tab.a_mat[1][2], 1.0);
    EXPECT_EQ(s.model.rrhs[1], 4.0);
    EXPECT_STREQ(s.model.rname[2], "C2");
    EXPECT_EQ(s.model.rrhs[2], 1.0);
}

TEST(LpFormatReader, NamesNumbersAndDefaultLabels) {
    Harness h("Maximize\n 1e2x_1 + 2.5E-1 y.b + .5 {z}\nSubject To\n x_1 + y.b <= 1.5e1\n"
              " named: {z} >= 0\n 3 x_1 = 2\n");
    ASSERT_EQ(read(h), -1) << h.output();
    const zep::detail::Store& s = h.store();
    EXPECT_STREQ(s.tab.varname[1], "X_1");
    EXPECT_STREQ(s.tab.varname[3], "{Z}");
    EXPECT_EQ(s.tab.a_mat[0][1], 100.0);
    EXPECT_EQ(s.tab.a_mat[0][2], 0.25);
    EXPECT_EQ(s.tab.a_mat[0][3], 0.5);
    EXPECT_EQ(s.model.rrhs[1], 15.0);
    EXPECT_STREQ(s.model.rname[0], "OBJ");
    EXPECT_STREQ(s.model.rname[1], "C1");
    EXPECT_STREQ(s.model.rname[2], "NAMED");
    EXPECT_STREQ(s.model.rname[3], "C3");
}

TEST(LpFormatReader, NegatesARowWithANegativeRightHandSideAndSaysSo) {
    Harness h("Minimize\n z: x\nSubject To\n low: x - y >= -2\n eq: -x = - 3\n");
    ASSERT_EQ(read(h), -1) << h.output();
    const zep::detail::Store& s = h.store();
    EXPECT_EQ(h.output(),
              "Processing 2 variables and 2 constraints from file m.lp\n"
              "Note: row LOW had a negative right-hand side; multiplied by -1, its relation is "
              "now <=\n"
              "Note: row EQ had a negative right-hand side; multiplied by -1, its relation is "
              "now =\n");
    EXPECT_EQ(s.tab.row_type[1], 1);
    EXPECT_EQ(s.tab.a_mat[1][1], -1.0);
    EXPECT_EQ(s.tab.a_mat[1][2], 1.0);
    EXPECT_EQ(s.model.rrhs[1], 2.0);
    EXPECT_EQ(s.tab.a_mat[1][0], 2.0);
    EXPECT_EQ(s.tab.row_type[2], 0);
    EXPECT_EQ(s.tab.a_mat[2][1], 1.0);
    EXPECT_EQ(s.model.rrhs[2], 3.0);
}

TEST(LpFormatReader, TakesBoundsThatSayOnlyNonNegative) {
    Harness h("Minimize\n z: x\nSubject To\n c: x >= 1\nBounds\n x >= 0\n 0 <= x\n"
              " 0 <= x <= +inf\n x <= infinity\n new >= -0\nEnd\n");
    ASSERT_EQ(read(h), -1) << h.output();
    EXPECT_EQ(h.store().model.num_vars, 2);
    EXPECT_STREQ(h.store().tab.varname[2], "NEW");
}

struct Refusal {
    const char* text;
    const char* message;
};

class LpFormatRefusal : public ::testing::TestWithParam<Refusal> {};

TEST_P(LpFormatRefusal, NamesTheFeatureAndTheLine) {
    Harness h(GetParam().text);
    EXPECT_EQ(read(h), 255);
    EXPECT_EQ(lastLine(h), std::string("LP format input error, ") + GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LpFormatRefusal,
    ::testing::Values(
        Refusal{"Minimize\n z: x\nSt\n c: x >= 1\nBounds\n x <=\n",
                "line 6: a bound must read: name relation value"},
        Refusal{"Minimize\n z: x\nSt\n c: x >= 1\nGENERALS\n x\n",
                "line 6: integer variables (a General section) are not supported"},
        Refusal{"Minimize\n z: x\nSt\n c: x >= 1\nbin\n x\n",
                "line 6: binary variables (a Binary section) are not supported"},
        Refusal{"Minimize\n z: x + [ x * y ]\n", "line 2: quadratic terms are not supported"},
        Refusal{"Minimize\n z: x ^ 2\n", "line 2: quadratic terms are not supported"},
        Refusal{"Minimize\n z: x\nSt\n c: 1 <= x\n",
                "line 4: the constraint c ends without a relation and right-hand side"},
        Refusal{"Minimize\n z: x\nSt\n c: x <= 1 <= 2\n",
                "line 4: a range must read: value <= terms <= value, or value >= terms >= value"},
        Refusal{"Minimize\n z: x\nSt\n c: 1 <= x >= 0\n",
                "line 4: a range must read: value <= terms <= value, or value >= terms >= value"},
        Refusal{"Minimize\n z: x\nSt\n c: 3 <= x <= 2\n",
                "line 4: the range of constraint c is empty"},
        Refusal{"Minimize\n z: x\nSt\n c: x + 4 <= 5\n",
                "line 4: a constant among the terms of constraint c"},
        Refusal{"Minimize\n z: x <= 4\n", "line 2: a relation in the objective"},
        Refusal{"Minimize\n z: x +\nSt\n", "line 3: a sign without a term"},
        Refusal{"Minimize\n z: x\nSt\n c: x +\n y\nEnd\n",
                "line 6: the constraint c ends without a relation and right-hand side"},
        Refusal{"Minimize\n z: x\nSt\n c: x <= y\n",
                "line 4: the right-hand side of constraint c is not a number"},
        Refusal{"Minimize\n z: x\nSt\n c: x <> 1\n", "line 4: unknown relation <>"},
        Refusal{"Minimize\n z: x\nSt\n c: x == 1\n", "line 4: unknown relation =="},
        Refusal{"Minimize\n z: x\nSt\n c: x ] 1\n", "line 4: unexpected character ']'"},
        Refusal{"Minimize\n z: x\nSt\n c: x >= 1\n c: x >= 2\n",
                "line 5: the row label c is given twice"},
        Refusal{"Minimize\n z: x\nMaximize\n", "line 3: a second objective"},
        Refusal{"Minimize\n z: x\nSt\n c: x >= 1e999\n",
                "line 4: the number 1e999 is out of range"},
        Refusal{"Minimize\n z: x\nSt\n c: x >= 1 ; \n",
                "line 4: the constraint C2 ends without a relation and right-hand side"},
        Refusal{"Minimize\n z: x \xC3\xA9\n", "line 2: unexpected byte 0xC3"},
        Refusal{"x + y\n", "line 1: the model must begin with Maximize or Minimize"},
        Refusal{"", "line 0: the model must begin with Maximize or Minimize"}));

TEST(LpFormatReader, RefusesANulByteAndAnOverlongLine) {
    Harness nul(std::string("Minimize\n z: x\0 + y\n", 18));
    EXPECT_EQ(read(nul), 255);
    EXPECT_EQ(lastLine(nul), "LP format input error, line 2: the line holds a NUL byte");
    Harness fits("Minimize\n z: x" + std::string(4095 - 5, ' ') + "\r\n");
    EXPECT_EQ(read(fits), -1) << lastLine(fits);
    Harness wide("Minimize\n z: x" + std::string(4096 - 5, ' ') + "\n");
    EXPECT_EQ(read(wide), 255);
    EXPECT_EQ(lastLine(wide),
              "LP format input error, line 2: the line is longer than 4095 characters");
}

TEST(LpFormatReader, NamesForWriting) {
    for (const char* name : {"X", "X.1", "E1", "A_B", "{Z}", "MAXIMUM2"})
        EXPECT_TRUE(zep::detail::lpName(name)) << name;
    for (const char* name :
         {"2X", ".X", "A:B", "A+B", "ST", "end", "FREE", "INF", "MAX", "MINIMISE", "A[1]"})
        EXPECT_FALSE(zep::detail::lpName(name)) << name;
}

} // namespace
