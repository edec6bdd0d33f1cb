#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "input/grammar.h"
#include "input/matrix.h"
#include "simplex/tableau.h"
#include "stdform/stdform.h"
#include "support.h"

namespace {

using zep::detail::testing::Harness;

std::string report(int caretCol, int n, const std::string& message) {
    return "\n" + std::string(static_cast<size_t>(caretCol - 1), ' ') + "^\nInput Error " +
           std::to_string(n) + ">> " + message + "\nProcessing terminated\n";
}

int read(Harness& h) {
    return h.run(zep::detail::generate3);
}

TEST(Grammar, ProfitModelFillsTheStore) {
    const std::string text = "MAX PROFIT) 2X + 3Y\nC1) X + Y <= 4\nC2) X + 3Y <= 6\n";
    Harness h(text);
    ASSERT_EQ(read(h), -1);
    zep::detail::Store& s = h.store();
    EXPECT_EQ(h.output(), text);
    EXPECT_EQ(s.model.z_mult, -1.0);
    EXPECT_EQ(std::memcmp(s.model.minmax, "MAX\0", 4), 0);
    EXPECT_EQ(std::memcmp(s.model.rname[0], "PROFIT\0\0\0", zep::detail::label_size), 0);
    EXPECT_STREQ(s.model.rname[1], "C1");
    EXPECT_STREQ(s.model.rname[2], "C2");
    EXPECT_STREQ(s.tab.varname[1], "X");
    EXPECT_STREQ(s.tab.varname[2], "Y");
    EXPECT_EQ(s.tab.a_mat[0][1], 2.0);
    EXPECT_EQ(s.tab.a_mat[0][2], 3.0);
    EXPECT_EQ(s.tab.a_mat[2][1], 1.0);
    EXPECT_EQ(s.tab.a_mat[2][2], 3.0);
    EXPECT_EQ(s.tab.row_type[1], 1);
    EXPECT_EQ(s.model.rrhs[1], 4.0);
    EXPECT_EQ(s.tab.a_mat[1][0], 4.0);
    EXPECT_EQ(s.tab.a_mat[2][0], 6.0);
    EXPECT_EQ(s.model.num_cons, 2);
    EXPECT_EQ(s.tab.last_row, 2);
    EXPECT_EQ(s.tab.nnames, 2);
    EXPECT_EQ(s.model.num_vars, 2);
    EXPECT_EQ(s.tab.last_col, 2);
}

std::string fileText(const char* name) {
    std::ifstream in(std::string(ZEP_SOURCE_DIR) + "/examples/" + name);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string startingTableau(const char* file, void (*reader)(zep::detail::Store&)) {
    Harness h(fileText(file));
    h.store().opt.echo = 0;
    zep::detail::initParam(h.store());
    reader(h.store());
    std::string readerOutput = h.output();
    zep::detail::setprob(h.store());
    zep::detail::tableau(h.store());
    return h.output().substr(readerOutput.size());
}

TEST(Grammar, ProfitModelGivesTheTableauOfItsMatrixForm) {
    EXPECT_EQ(startingTableau("profit.lp", zep::detail::generate3),
              startingTableau("profit.mat", zep::detail::generate2));
}

struct SenseCase {
    const char* text;
    double z_mult;
    const char* minmax;
};

TEST(Grammar, SenseKeywordTakesItsFirstThreeLetters) {
    std::vector<SenseCase> cases = {
        {"min COST) X", 1.0, "MIN"},
        {"MAXIMIZE P) X", -1.0, "MAX"},
        {"Minimum P) X", 1.0, "MIN"},
        {"mAx P) X", -1.0, "MAX"},
    };
    for (const SenseCase& c : cases) {
        Harness h(c.text);
        ASSERT_EQ(read(h), -1) << c.text;
        EXPECT_EQ(h.store().model.z_mult, c.z_mult) << c.text;
        EXPECT_EQ(std::memcmp(h.store().model.minmax, c.minmax, 4), 0) << c.text;
    }
}

struct InputError {
    std::string text;
    std::string echo;
    int caretCol;
    int n;
    std::string message;
};

class GrammarErrors : public ::testing::TestWithParam<InputError> {};

TEST_P(GrammarErrors, ReportEchoCaretAndMessage) {
    const InputError& e = GetParam();
    Harness h(e.text);
    EXPECT_EQ(read(h), 255);
    EXPECT_EQ(h.output(), e.echo + report(e.caretCol, e.n, e.message));
}

const char* const lexical = "Syntax error on input";
const char* const begin = "Begin a problem with 'MIN' or 'MAX'";
const char* const inObjective = "Relation (<,=,>) not used in objective function";
const char* const adjacentNumbers = "Two numbers may not be adjacent";
const char* const noVariable = "No variable for coefficient";
const char* const adjacentNames = "Two variable names may not be adjacent";
const char* const unexpectedLabel = "Label unexpectedly encountered";
const char* const badRhs = "Righthand-side not a nonnegative constant";
const char* const missingLabel = "Constraint label missing";
const char* const duplicate = "Duplicate row name";
const char* const emptyLabel = "Label must begin with letter";
const char* const tooLong = "Element too long.\n(Variable and row names limited to 8 characters.)";

INSTANTIATE_TEST_SUITE_P(
    Grammar, GrammarErrors,
    ::testing::Values(
        InputError{"MAX P) 2X * 3Y", "MAX P) 2X Error in column 10\n", 10, 1, lexical},
        InputError{"MA COST) X", "MA", 2, 2, begin}, InputError{"2X", "2", 1, 2, begin},
        InputError{"C1) X", "C1)", 3, 2, begin},
        InputError{"MAX 2X", "MAX 2", 5, 3, "Objective function label missing"},
        InputError{"MAX P) X < 4", "MAX P) X < ", 11, 4, inObjective},
        InputError{"MAX P) < 4", "MAX P) < ", 9, 4, inObjective},
        InputError{"MAX P) C1) X < 1", "MAX P) C1)", 10, 5, "Objective function missing"},
        InputError{"MAX P) 2 +3X", "MAX P) 2 +3", 11, 6, adjacentNumbers},
        InputError{"MAX P) X C1) 2 +3X <= 4", "MAX P) X C1) 2 +3", 17, 6, adjacentNumbers},
        InputError{"MAX P) 2 C1) X <= 1", "MAX P) 2 C1)", 12, 7, noVariable},
        InputError{"MAX P) X C1) 2 <= 4", "MAX P) X C1) 2 <= ", 18, 7, noVariable},
        InputError{"MAX P) X Y", "MAX P) X Y", 10, 8, adjacentNames},
        InputError{"MAX P) X C1) X Y <= 1", "MAX P) X C1) X Y", 16, 8, adjacentNames},
        InputError{"MAX P) X C1) <= 4", "MAX P) X C1) <= ", 16, 9,
                   "No left-hand-side for constraint"},
        InputError{"MAX P) X C1) C2) X <= 4", "MAX P) X C1) C2)", 16, 10,
                   "Two labels may not be adjacent"},
        InputError{"MAX P) X C1) X C2)", "MAX P) X C1) X C2)", 18, 11, unexpectedLabel},
        InputError{"MAX P) X C1) 2 C2)", "MAX P) X C1) 2 C2)", 18, 11, unexpectedLabel},
        InputError{"MAX P) X C1) X <= Y", "MAX P) X C1) X <= Y", 19, 12, badRhs},
        InputError{"MAX P) X C1) X + Y <= -5", "MAX P) X C1) X + Y <= -5", 24, 12, badRhs},
        // The number takes the line end behind it, so the caret is on the next line.
        InputError{"MAX P) X C1) X <= -5\nC2) X <= 1", "MAX P) X C1) X <= -5\n", 1, 12, badRhs},
        InputError{"MAX P) X C1) X <= C2) X <= 1", "MAX P) X C1) X <= C2)", 21, 14,
                   "Righthand side missing"},
        InputError{"MAX P) X C1) X <= 4 Y", "MAX P) X C1) X <= 4 Y", 21, 15, missingLabel},
        InputError{"MAX P) X C1) X <= 4 <= 5", "MAX P) X C1) X <= 4 <= ", 23, 15, missingLabel},
        InputError{"MAX P) X P) X <= 1", "MAX P) X P)", 11, 19, duplicate},
        InputError{"MAX P) X C1) X <= 1 c1) X <= 2", "MAX P) X C1) X <= 1 c1)", 23, 19, duplicate},
        InputError{"MAX P) X C1) X <= 4 )", "MAX P) X C1) X <= 4 )", 21, 20, emptyLabel},
        InputError{"MAX )", "MAX )", 5, 20, emptyLabel},
        InputError{"MAX LONGLABEL1) X", "MAX LONGLABEL1)", 15, 18, tooLong},
        // Relation characters always join into one token, so a second
        // relation is an over-long one rather than input error 13.
        InputError{"MAX P) X C1) X < = < 4", "MAX P) X C1) X < = < ", 21, 18, tooLong}));

std::string constraints(int n) {
    std::string text = "MAX P) X\n";
    for (int i = 1; i <= n; i++)
        text += "C" + std::to_string(i) + ") X <= " + std::to_string(i) + "\n";
    return text;
}

TEST(Grammar, ThirtyConstraintsFit) {
    Harness h(constraints(30));
    ASSERT_EQ(read(h), -1);
    EXPECT_EQ(h.store().model.num_cons, 30);
    EXPECT_EQ(h.store().tab.last_row, 30);
    EXPECT_STREQ(h.store().model.rname[30], "C30");
    EXPECT_EQ(h.store().model.rrhs[30], 30.0);
    EXPECT_EQ(h.store().tab.row_type[30], 1);
}

TEST(Grammar, ThirtyFirstLabelExceedsTheConstraints) {
    for (const char* label : {"C31)", "C1)", ")"}) {
        std::string text = constraints(30);
        Harness h(text + label + " X <= 1\n");
        EXPECT_EQ(read(h), 255) << label;
        EXPECT_EQ(h.output(), text + label +
                                  report(static_cast<int>(std::strlen(label)), 16,
                                         "Maximum number of constraints exceeded"));
    }
}

std::string objectiveOf(int names) {
    std::string text = "MAX P)\n";
    for (int i = 1; i <= names; i++) text += "+V" + std::to_string(i) + "\n";
    return text;
}

TEST(Grammar, FiftyNamesFit) {
    Harness h(objectiveOf(50));
    ASSERT_EQ(read(h), -1);
    EXPECT_EQ(h.store().tab.nnames, 50);
    EXPECT_EQ(h.store().model.num_vars, 50);
    EXPECT_EQ(h.store().tab.last_col, 50);
    EXPECT_STREQ(h.store().tab.varname[50], "V50");
    EXPECT_EQ(h.store().tab.a_mat[0][50], 1.0);
}

TEST(Grammar, FiftyFirstNameExceedsTheVariables) {
    std::string text = objectiveOf(51);
    Harness h(text);
    EXPECT_EQ(read(h), 255);
    EXPECT_EQ(h.output(), text.substr(0, text.size() - 1) +
                              report(4, 17, "Maximum number of variables exceeded"));
}

TEST(Grammar, RepeatedVariableKeepsItsLastCoefficient) {
    Harness h("MAX P) X C1) X + X <= 4 C2) 2X - 3X <= 1");
    ASSERT_EQ(read(h), -1);
    EXPECT_EQ(h.store().tab.a_mat[1][1], 1.0);
    EXPECT_EQ(h.store().tab.a_mat[2][1], -3.0);
}

TEST(Grammar, BlankInsideANumberIsDropped) {
    Harness h("MAX P) X C1) 2 3X <= 4");
    ASSERT_EQ(read(h), -1);
    EXPECT_EQ(h.store().tab.a_mat[1][1], 23.0);
}

TEST(Grammar, ColumnsAreNumberedByFirstOccurrence) {
    Harness h("MAX P) Y + X C1) Z + X <= 1");
    ASSERT_EQ(read(h), -1);
    EXPECT_STREQ(h.store().tab.varname[1], "Y");
    EXPECT_STREQ(h.store().tab.varname[2], "X");
    EXPECT_STREQ(h.store().tab.varname[3], "Z");
    EXPECT_EQ(h.store().tab.a_mat[1][3], 1.0);
    EXPECT_EQ(h.store().tab.a_mat[1][2], 1.0);
    EXPECT_EQ(h.store().tab.a_mat[1][1], 0.0);
}

TEST(Grammar, SignAloneIsAUnitCoefficient) {
    Harness h("MIN P) - X + Y C1) -.X + 2.5Y >= 1");
    ASSERT_EQ(read(h), -1);
    EXPECT_EQ(h.store().tab.a_mat[0][1], -1.0);
    EXPECT_EQ(h.store().tab.a_mat[0][2], 1.0);
    EXPECT_EQ(h.store().tab.a_mat[1][1], -1.0);
    EXPECT_EQ(h.store().tab.a_mat[1][2], 2.5);
}

struct RelationCase {
    const char* relation;
    int code;
};

TEST(Grammar, RelationCodeFollowsItsFirstCharacter) {
    std::vector<RelationCase> cases = {{"<", 1},   {"<=", 1}, {"<>", 1}, {">", -1},
                                       {">=", -1}, {"=", 0},  {"=<", 0}, {"=>", 0}};
    for (const RelationCase& c : cases) {
        Harness h(std::string("MAX P) X C1) X ") + c.relation + " 2");
        ASSERT_EQ(read(h), -1) << c.relation;
        EXPECT_EQ(h.store().tab.row_type[1], c.code) << c.relation;
        EXPECT_EQ(h.store().model.rrhs[1], 2.0) << c.relation;
    }
}

TEST(Grammar, NegativeZeroRightHandSidePasses) {
    Harness h("MAX P) X C1) X <= -0");
    ASSERT_EQ(read(h), -1);
    EXPECT_TRUE(std::signbit(h.store().model.rrhs[1]));
    EXPECT_TRUE(std::signbit(h.store().tab.a_mat[1][0]));
}

TEST(Grammar, LabelOfEightLettersFits) {
    Harness h("MAX ABCDEFGH) X");
    ASSERT_EQ(read(h), -1);
    EXPECT_EQ(std::memcmp(h.store().model.rname[0], "ABCDEFGH", zep::detail::label_size), 0);
}

struct EarlyEnd {
    std::string text;
    int num_cons;
    int nnames;
    int row_type;
    double rhs;
};

// A model that stops early keeps what was stored so far.
TEST(Grammar, EndOfInputKeepsWhatWasRead) {
    std::vector<EarlyEnd> cases = {
        {"", 0, 0, 0, 0.0},
        {"MAX", 0, 0, 0, 0.0},
        {"MAX P)", 0, 0, 0, 0.0},
        {"MAX P) 2", 0, 0, 0, 0.0},
        {"MAX P) 2X", 0, 1, 0, 0.0},
        {"MAX P) X C1) X", 1, 1, 0, 0.0},
        {"MAX P) X C1) X >=", 1, 1, -1, 0.0},
        {"MAX P) X C1) X <= 3\n", 1, 1, 1, 3.0},
        {"MAX P) X C1) X <= 3 C2) 5", 2, 1, 1, 3.0},
    };
    for (const EarlyEnd& c : cases) {
        Harness h(c.text);
        ASSERT_EQ(read(h), -1) << c.text;
        EXPECT_EQ(h.store().model.num_cons, c.num_cons) << c.text;
        EXPECT_EQ(h.store().tab.last_row, c.num_cons) << c.text;
        EXPECT_EQ(h.store().tab.nnames, c.nnames) << c.text;
        EXPECT_EQ(h.store().tab.last_col, c.nnames) << c.text;
        EXPECT_EQ(h.store().tab.row_type[1], c.row_type) << c.text;
        EXPECT_EQ(h.store().model.rrhs[1], c.rhs) << c.text;
    }
}

TEST(Grammar, EmptyInputStoresNothing) {
    Harness h("");
    ASSERT_EQ(read(h), -1);
    EXPECT_EQ(h.store().model.z_mult, 0.0);
    EXPECT_STREQ(h.store().model.minmax, "");
    EXPECT_STREQ(h.store().model.rname[0], "");
}

// A carriage return before a line feed ends the line, as the line feed
// alone would; the echo shows the line feed.
TEST(Grammar, CarriageReturnLineFeedEndsALine) {
    Harness h("MAX P) X\r\nC1) X <= 1\r\n");
    EXPECT_EQ(read(h), -1);
    EXPECT_EQ(h.output(), "MAX P) X\nC1) X <= 1\n");
    EXPECT_EQ(h.store().model.num_cons, 1);
    EXPECT_EQ(h.store().model.rrhs[1], 1.0);
}

TEST(Grammar, CarriageReturnAloneIsALexicalError) {
    Harness h("MAX P) X\rC1) X <= 1\n");
    EXPECT_EQ(read(h), 255);
    EXPECT_EQ(h.output(), "MAX P) XError in column 8\n" + report(8, 1, lexical));
}

TEST(Grammar, EchoOffShowsOnlyTheReport) {
    Harness h("MAX P) X < 4");
    h.store().opt.echo = 0;
    EXPECT_EQ(read(h), 255);
    EXPECT_EQ(h.output(), report(11, 4, inObjective));
}

TEST(Grammar, CheckLabelComparesWithEveryEarlierLabel) {
    Harness h;
    zep::detail::Store& s = h.store();
    std::strcpy(s.model.rname[0], "P");
    EXPECT_EQ(zep::detail::checkLabel(s), 1);
    std::strcpy(s.model.rname[1], "C1");
    std::strcpy(s.model.rname[2], "P");
    s.model.num_cons = 1;
    EXPECT_EQ(zep::detail::checkLabel(s), 1);
    s.model.num_cons = 2;
    EXPECT_EQ(zep::detail::checkLabel(s), 0);
}

} // namespace
