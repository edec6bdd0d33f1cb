// The public library: models as data, answers as data, reports as the
// programs print them, errors as exceptions, and calls on two threads.
#include <zep/zep.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "support.h"

namespace {

constexpr const char* profit_lp = "MAX PROFIT) 2X + 3Y  C1) X + Y <= 4  C2) X + 3Y <= 6";
constexpr const char* profit_mat = "MAX 2 2\nX Y\nPROFIT 2 3\nC1 1 1 <= 4\nC2 1 3 <= 6\n";

std::string fileText(const std::string& path) {
    std::ifstream in(std::string(ZEP_SOURCE_DIR) + "/" + path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A golden case's expected output after its first lines.
std::string goldenAfter(const std::string& name, int lines) {
    std::string out = fileText("examples/cases/" + name + ".out");
    std::size_t at = 0;
    for (int i = 0; i < lines; i++) at = out.find('\n', at) + 1;
    return out.substr(at);
}

TEST(Library, ReadsBothFormsAsTheSameModel) {
    zep::Model algebraic = zep::read_model(profit_lp);
    zep::Model matrix = zep::read_model(profit_mat);
    for (const zep::Model& m : {algebraic, matrix}) {
        EXPECT_EQ(m.sense, zep::Sense::maximize);
        EXPECT_EQ(m.objective_label, "PROFIT");
        EXPECT_EQ(m.variables, (std::vector<std::string>{"X", "Y"}));
        EXPECT_EQ(m.objective, (std::vector<double>{2, 3}));
        ASSERT_EQ(m.constraints.size(), 2u);
        EXPECT_EQ(m.constraints[1].label, "C2");
        EXPECT_EQ(m.constraints[1].coefficients, (std::vector<double>{1, 3}));
        EXPECT_EQ(m.constraints[1].relation, zep::Relation::less_equal);
        EXPECT_EQ(m.constraints[1].rhs, 6);
    }
}

TEST(Library, AnswersTheProfitModel) {
    zep::Answer a = zep::solve(zep::read_model(profit_lp));
    EXPECT_EQ(a.outcome, zep::Outcome::optimal);
    EXPECT_EQ(a.objective, 9);
    EXPECT_EQ(a.iterations, 2);
    EXPECT_FALSE(a.exact);
    ASSERT_EQ(a.variables.size(), 2u);
    EXPECT_EQ(a.variables[0].name, "X");
    EXPECT_DOUBLE_EQ(a.variables[0].value, 3);
    EXPECT_DOUBLE_EQ(a.variables[1].value, 1);
    ASSERT_EQ(a.rows.size(), 2u);
    EXPECT_DOUBLE_EQ(a.rows[0].dual, 1.5);
    EXPECT_DOUBLE_EQ(a.rows[1].dual, 0.5);
    EXPECT_EQ(a.rows[0].slack, 0);
    // Zero reduced costs of a maximisation are +0, not the tableau's -0.
    EXPECT_FALSE(std::signbit(a.variables[0].reduced_cost));
    EXPECT_FALSE(std::signbit(a.variables[1].reduced_cost));
    EXPECT_TRUE(a.cost_ranges.empty());
}

TEST(Library, RangingTablesHoldWhatTheReportPrints) {
    zep::Answer a = zep::solve(zep::read_model(profit_lp), {.ranging = true});
    ASSERT_EQ(a.cost_ranges.size(), 2u);
    ASSERT_EQ(a.rhs_ranges.size(), 2u);
    // As the ranging table of rep-profit-ranging prints them.
    EXPECT_EQ(a.cost_ranges[0].name, "X");
    EXPECT_EQ(a.cost_ranges[0].current, 2);
    EXPECT_DOUBLE_EQ(a.cost_ranges[0].upper, 3);
    EXPECT_EQ(a.cost_ranges[0].upper_becomes, "SLK:C2");
    EXPECT_DOUBLE_EQ(a.cost_ranges[0].lower, 1);
    EXPECT_EQ(a.rhs_ranges[0].name, "C1");
    EXPECT_DOUBLE_EQ(a.rhs_ranges[0].upper, 6);
    EXPECT_DOUBLE_EQ(a.rhs_ranges[0].lower, 2);
    EXPECT_NE(a.report.find("*** RANGING THE RIGHT-HAND SIDE ***"), std::string::npos);
}

TEST(Library, NoLimitIsInfinite) {
    zep::Answer a = zep::solve(zep::read_model("MAX P) X  C1) X <= 4"), {.ranging = true});
    ASSERT_EQ(a.rhs_ranges.size(), 1u);
    EXPECT_TRUE(std::isinf(a.rhs_ranges[0].upper) && a.rhs_ranges[0].upper > 0);
    EXPECT_EQ(a.rhs_ranges[0].upper_becomes, "");
}

// The report is what zep-solve prints after its banner and Processing line.
struct ReportCase {
    const char* name; // the golden case

    const char* model;
    zep::Options options;
    zep::Outcome outcome;
};

class LibraryReport : public ::testing::TestWithParam<ReportCase> {};

TEST_P(LibraryReport, IsWhatZepSolvePrints) {
    const ReportCase& c = GetParam();
    zep::Answer a = zep::solve(zep::read_model(fileText(c.model)), c.options);
    EXPECT_EQ(a.outcome, c.outcome);
    EXPECT_EQ(a.report, goldenAfter(c.name, 4));
}

INSTANTIATE_TEST_SUITE_P(
    Golden, LibraryReport,
    ::testing::Values(ReportCase{"rep-profit", "examples/profit.mat", {}, zep::Outcome::optimal},
                      ReportCase{"rep-blend-ranging",
                                 "examples/rep-blend.mat",
                                 {.ranging = true},
                                 zep::Outcome::optimal},
                      ReportCase{"rep-infeasible-ranging",
                                 "examples/rep-infeasible.mat",
                                 {.ranging = true},
                                 zep::Outcome::infeasible},
                      ReportCase{"rep-unbounded-ranging",
                                 "examples/rep-unbounded.mat",
                                 {.ranging = true},
                                 zep::Outcome::unbounded}),
    zep::detail::testing::ByName());

TEST(Library, ListingIsWhatZepParsePrintsAfterTheEcho) {
    // The listing starts with the newline before its centred title.
    std::string golden = fileText("examples/cases/parse-profit.out");
    std::size_t title = golden.find("*** LP MODEL ***");
    ASSERT_NE(title, std::string::npos);
    std::string listed = golden.substr(golden.rfind('\n', title));
    EXPECT_EQ(zep::listing(zep::read_model(fileText("examples/profit.lp"))), listed);
}

TEST(Library, AnswerFromTheExactReSolveSaysSo) {
    zep::Answer a = zep::solve(
        zep::read_model("MAX 2 2\nX1 X2\nP 0.000001 10000\nR1 0 1 <= 1\nR2 1 0 <= 1000000\n"));
    EXPECT_EQ(a.outcome, zep::Outcome::optimal);
    EXPECT_EQ(a.objective, 10001);
    EXPECT_TRUE(a.exact);
    EXPECT_EQ(a.report.rfind("Floating-point result failed its check", 0), 0u);
}

// "-x >= -5" is held as "x <= 5"; the answer speaks of the row as written:
// raising its right-hand side from -5 tightens it, so the dual is -1, and
// its right-hand side may range up to 0.
TEST(Library, FlippedRowIsAnsweredAsWritten) {
    zep::Model m = zep::read_model("Maximize\n obj: x\nSubject To\n c1: -x >= -5\nEnd\n");
    ASSERT_TRUE(m.constraints[0].flipped);
    EXPECT_EQ(m.constraints[0].relation, zep::Relation::less_equal);
    zep::Answer a = zep::solve(m, {.ranging = true});
    EXPECT_EQ(a.objective, 5);
    EXPECT_EQ(a.rows[0].dual, -1);
    EXPECT_EQ(a.rhs_ranges[0].current, -5);
    EXPECT_EQ(a.rhs_ranges[0].upper, 0);
    EXPECT_EQ(a.rhs_ranges[0].lower, -HUGE_VAL);
    ASSERT_EQ(a.notes.size(), 1u);
    EXPECT_EQ(a.notes[0].kind, zep::NoteKind::flipped_row);
    EXPECT_NE(a.notes[0].text.find("row c1 "), std::string::npos);
    zep::Answer same = zep::solve(zep::read_model("MAX OBJ) X  C1) X <= 5"), {.ranging = true});
    EXPECT_EQ(same.rows[0].dual, 1);
    EXPECT_TRUE(same.notes.empty());
}

TEST(Library, InfeasibleAnswerNamesTheRowsThatCannotBeMet) {
    zep::Answer a = zep::solve(zep::read_model("MAX P) X  C1) X <= 3  C2) X >= 8"));
    EXPECT_EQ(a.outcome, zep::Outcome::infeasible);
    EXPECT_EQ(a.unmet_rows, std::vector<std::string>{"C2"});
    EXPECT_EQ(a.objective, 0);
}

TEST(Library, ModelBuiltInCodeSolves) {
    zep::Model m;
    m.sense = zep::Sense::minimize;
    m.objective_label = "cost";
    m.variables = {"a", "b"};
    m.objective = {3, 2};
    m.constraints = {{"n1", {1, 1}, zep::Relation::greater_equal, 4},
                     {"n2", {1, 3}, zep::Relation::greater_equal, 6}};
    zep::Answer a = zep::solve(m);
    EXPECT_EQ(a.outcome, zep::Outcome::optimal);
    EXPECT_EQ(a.objective, 8);
    EXPECT_EQ(a.variables[1].name, "b");
    EXPECT_EQ(a.variables[1].value, 4);
    EXPECT_NE(a.report.find("MIN COST = 8"), std::string::npos);
}

// Errors carry a message, the programs' status, a kind and the place.
struct ErrorCase {
    const char* name;
    const char* text;
    int status;
    const char* message;
    zep::ErrorKind kind;
    int line, column;
};

class LibraryError : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(LibraryError, CarriesMessageAndStatus) {
    const ErrorCase& c = GetParam();
    try {
        zep::solve(zep::read_model(c.text));
        FAIL() << "no error";
    } catch (const zep::Error& e) {
        EXPECT_EQ(e.status(), c.status);
        EXPECT_STREQ(e.what(), c.message);
        EXPECT_EQ(e.kind(), c.kind);
        EXPECT_EQ(e.line(), c.line);
        EXPECT_EQ(e.column(), c.column);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LibraryError,
    ::testing::Values(
        ErrorCase{"algebraic", "MAX P) X\nC1) X <= -4", 255,
                  "Righthand-side not a nonnegative constant (input error 12)",
                  zep::ErrorKind::input, 2, 10},
        ErrorCase{"lexical", "MAX P) X\nC1) X * Y <= 4", 255,
                  "Syntax error on input (input error 1): the character '*' belongs to no token",
                  zep::ErrorKind::input, 2, 7},
        ErrorCase{"matrix", "MAX 1 1\nX\nP 1\nC1 1 <= -4\n", 255,
                  "the right-hand side of row C1 is negative", zep::ErrorKind::matrix_input, 4, 9},
        ErrorCase{"lp", "Maximize\n p: x\nSubject To\n c: x <= 1\nGeneral\n x\nEnd\n", 255,
                  "integer variables (a General section) are not supported",
                  zep::ErrorKind::lp_input, 6, 0}),
    zep::detail::testing::ByName());

TEST(Library, CapacityErrorCountsTheColumns) {
    zep::Model m;
    m.objective_label = "P";
    for (int j = 0; j < 49; j++) m.variables.push_back("X" + std::to_string(j));
    m.objective.assign(49, 1);
    m.constraints = {{"A", std::vector<double>(49, 1), zep::Relation::less_equal, 1},
                     {"B", std::vector<double>(49, 1), zep::Relation::less_equal, 1}};
    try {
        zep::solve(m);
        FAIL() << "no error";
    } catch (const zep::Error& e) {
        EXPECT_EQ(e.status(), 2);
        EXPECT_EQ(e.kind(), zep::ErrorKind::capacity);
        EXPECT_STREQ(e.what(), "the model needs 51 columns (49 variables, 2 slack, 0 surplus, 0 "
                               "artificial) but zep holds 50; they ran out at row 2 (B)");
    }
}

TEST(Library, NotesOfTheTextReachTheAnswer) {
    zep::Model m = zep::read_model("MAX P) X + Y + X\nC1) X =< 4\nC2) X");
    struct Expected {
        zep::NoteKind kind;
        int line, column;
    };
    const Expected expected[] = {{zep::NoteKind::repeated_variable, 1, 16},
                                 {zep::NoteKind::relation_spelling, 2, 7},
                                 {zep::NoteKind::completed_row, 3, 1}};
    ASSERT_EQ(m.notes.size(), std::size(expected));
    for (std::size_t i = 0; i < m.notes.size(); i++) {
        EXPECT_EQ(m.notes[i].kind, expected[i].kind) << i;
        EXPECT_EQ(m.notes[i].line, expected[i].line) << i;
        EXPECT_EQ(m.notes[i].column, expected[i].column) << i;
    }
    zep::Answer a = zep::solve(m);
    ASSERT_EQ(a.notes.size(), m.notes.size());
    EXPECT_EQ(a.notes[2].text, m.notes[2].text);
}

TEST(Library, NamesCutByTheReportsAreNoted) {
    zep::Model m;
    m.objective_label = "P";
    m.variables = {"PRODUCTION_A", "PRODUCTION_B"};
    m.objective = {1, 1};
    zep::Answer a = zep::solve(m);
    ASSERT_EQ(a.notes.size(), 2u);
    EXPECT_EQ(a.notes[0].kind, zep::NoteKind::cut_name);
    EXPECT_EQ(a.notes[1].kind, zep::NoteKind::same_cut_name);
    EXPECT_EQ(a.notes[1].line, 0);
}

TEST(Library, RefusesAModelThatCannotBeWritten) {
    zep::Model m;
    m.objective_label = "P";
    m.variables = {"X"};
    m.objective = {1, 2};
    EXPECT_THROW(zep::solve(m), zep::Error);
    m.objective = {1};
    m.variables = {"TWO WORDS"};
    EXPECT_THROW(zep::solve(m), zep::Error);
}

TEST(Library, TwoThreadsSolveTwoModelsAtOnce) {
    zep::Model first = zep::read_model(profit_lp);
    zep::Model second = zep::read_model("MIN COST) 3A + 2B  N1) A + B >= 4  N2) A + 3B >= 6");
    int wrong[2] = {0, 0};
    auto repeat = [&](const zep::Model& m, double objective, int& errors) {
        for (int i = 0; i < 300; i++)
            if (zep::solve(m, {.ranging = true}).objective != objective) errors++;
    };
    std::thread a([&] { repeat(first, 9, wrong[0]); });
    std::thread b([&] { repeat(second, 8, wrong[1]); });
    a.join();
    b.join();
    EXPECT_EQ(wrong[0], 0);
    EXPECT_EQ(wrong[1], 0);
}

} // namespace
