// Models with bounds, ranges and objective constants in the library: read
// from every form, built in code, solved without text, written back, and
// refused in the Model's own terms.
#include <zep/zep.h>

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>

#include "support.h"

namespace {

std::string fileText(const std::string& path) {
    std::ifstream in(std::string(ZEP_SOURCE_DIR) + "/" + path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// What a golden case prints after its "Processing" line.
std::string goldenReport(const std::string& name) {
    std::string out = fileText("examples/cases/" + name + ".out");
    std::size_t at = out.find("Processing");
    return out.substr(out.find('\n', at) + 1);
}

void expectSameModel(const zep::Model& a, const zep::Model& b) {
    EXPECT_EQ(a.sense, b.sense);
    EXPECT_EQ(a.objective_label, b.objective_label);
    EXPECT_EQ(a.variables, b.variables);
    EXPECT_EQ(a.objective, b.objective);
    EXPECT_EQ(a.objective_constant, b.objective_constant);
    EXPECT_EQ(a.lower, b.lower);
    EXPECT_EQ(a.upper, b.upper);
    ASSERT_EQ(a.constraints.size(), b.constraints.size());
    for (std::size_t r = 0; r < a.constraints.size(); r++) {
        const zep::Constraint& x = a.constraints[r];
        const zep::Constraint& y = b.constraints[r];
        EXPECT_EQ(x.label, y.label);
        EXPECT_EQ(x.coefficients, y.coefficients) << x.label;
        EXPECT_EQ(x.relation, y.relation) << x.label;
        EXPECT_EQ(x.rhs, y.rhs) << x.label;
        EXPECT_EQ(x.range, y.range) << x.label;
    }
}

// Each bounded example: read into a Model and solved from it, the report
// is the program's; written as LP and MPS and read back, the same Model.
struct Example {
    const char* file;
    const char* golden;
};

class BoundedExample : public ::testing::TestWithParam<Example> {};

TEST_P(BoundedExample, SolvesAndWritesBackAsRead) {
    const Example& e = GetParam();
    zep::Model m = zep::read_model(fileText(e.file));
    zep::Answer a = zep::solve(m);
    EXPECT_EQ(a.report, goldenReport(e.golden));
    expectSameModel(zep::read_model(zep::write_lp(m)), m);
    expectSameModel(zep::read_model(zep::write_mps(m)), m);
}

INSTANTIATE_TEST_SUITE_P(Library, BoundedExample,
                         ::testing::Values(Example{"examples/bounded-cplex.lp", "solve-bounded-lp"},
                                           Example{"examples/fixed.mps", "solve-fixed-mps"},
                                           Example{"examples/free-cplex.lp", "solve-free-lp"},
                                           Example{"examples/ranged.mps", "solve-ranged-mps"}));

TEST(LibraryModel, ReadsBoundsRangesAndTheConstant) {
    zep::Model m = zep::read_model("Minimize\n obj: x + y + 10\nSubject To\n c: -5 <= x - y <= 8\n"
                                   "Bounds\n -inf <= x <= 6\n y >= 2\nEnd\n");
    EXPECT_EQ(m.objective_constant, 10);
    EXPECT_EQ(m.lower, (std::vector<double>{-zep::infinity, 2}));
    EXPECT_EQ(m.upper, (std::vector<double>{6, zep::infinity}));
    ASSERT_EQ(m.constraints.size(), 1u);
    EXPECT_EQ(m.constraints[0].range, 13);
    // y at 2, x as low as the range lets it: -3.
    zep::Answer a = zep::solve(m);
    ASSERT_EQ(a.outcome, zep::Outcome::optimal);
    EXPECT_EQ(a.objective, 9);
    EXPECT_EQ(a.variables[0].value, -3);
    EXPECT_EQ(a.variables[1].value, 2);
}

// x = -3, held by the row's lower end: its cost may fall to 0 before the
// row's slack enters and rise without limit; the ranged row is not ranged.
TEST(LibraryModel, RangesAModelWithBounds) {
    zep::Model m = zep::read_model("Minimize\n obj: x + y + 10\nSubject To\n c: -5 <= x - y <= 8\n"
                                   "Bounds\n -inf <= x <= 6\n y >= 2\nEnd\n");
    zep::Answer a = zep::solve(m, {.ranging = true});
    ASSERT_EQ(a.cost_ranges.size(), 2u);
    EXPECT_EQ(a.cost_ranges[0].name, "x");
    EXPECT_EQ(a.cost_ranges[0].lower, 0);
    EXPECT_EQ(a.cost_ranges[0].upper, zep::infinity);
    ASSERT_EQ(a.rhs_ranges.size(), 1u);
    EXPECT_TRUE(std::isnan(a.rhs_ranges[0].upper));
    EXPECT_TRUE(std::isnan(a.rhs_ranges[0].lower));
}

TEST(LibraryModel, BuiltInCodeWithBounds) {
    zep::Model m;
    m.sense = zep::Sense::maximize;
    m.objective_label = "P";
    m.variables = {"X", "Y"};
    m.objective = {2, 3};
    m.objective_constant = 1;
    m.lower = {-zep::infinity, 1};
    m.upper = {2, zep::infinity};
    m.constraints = {{"C1", {1, 1}, zep::Relation::less_equal, 4},
                     {"C2", {1, 3}, zep::Relation::less_equal, 6}};
    zep::Options quiet;
    quiet.report = false;
    for (const zep::Options& o : {zep::Options{}, quiet}) {
        zep::Answer a = zep::solve(m, o);
        ASSERT_EQ(a.outcome, zep::Outcome::optimal);
        // x = 2 at its upper bound, y = 4/3: 4 + 4 + 1.
        EXPECT_EQ(a.objective, 9);
        EXPECT_EQ(a.variables[0].value, 2);
        EXPECT_NEAR(a.variables[1].value, 4.0 / 3, 1e-15);
        EXPECT_EQ(a.report.empty(), !o.report);
    }
}

// The program's negative-right-hand-side rule holds for a Model too: the
// row is flipped for the engine and its dual given as written.
TEST(LibraryModel, NegativeRightHandSideIsFlipped) {
    zep::Model m;
    m.objective_label = "C";
    m.variables = {"X"};
    m.objective = {1};
    m.constraints = {{"N", {-1}, zep::Relation::less_equal, -3}};
    zep::Answer a = zep::solve(m);
    ASSERT_EQ(a.outcome, zep::Outcome::optimal);
    EXPECT_EQ(a.objective, 3);
    EXPECT_EQ(a.rows[0].dual, -1);
    ASSERT_FALSE(a.notes.empty());
    EXPECT_EQ(a.notes.back().kind, zep::NoteKind::flipped_row);
}

struct Refusal {
    const char* name;
    zep::Model model;
    int status;
    const char* message;
};

zep::Model withVariables(int n) {
    zep::Model m;
    m.objective_label = "P";
    for (int j = 0; j < n; j++) m.variables.push_back("X" + std::to_string(j));
    m.objective.assign(static_cast<std::size_t>(n), 1);
    return m;
}

zep::Model changed(zep::Model m, void (*change)(zep::Model&)) {
    change(m);
    return m;
}

class ModelRefusal : public ::testing::TestWithParam<Refusal> {};

TEST_P(ModelRefusal, SpeaksOfTheModel) {
    const Refusal& c = GetParam();
    try {
        zep::solve(c.model);
        FAIL() << "no error";
    } catch (const zep::Error& e) {
        EXPECT_EQ(e.status(), c.status);
        EXPECT_STREQ(e.what(), c.message);
        EXPECT_EQ(e.line(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Library, ModelRefusal,
    ::testing::Values(
        Refusal{"columns", withVariables(60), 2,
                "variable 60 of 60: more than the 50 columns the store holds"},
        Refusal{"cross",
                changed(withVariables(2),
                        [](zep::Model& m) {
                            m.lower = {0, 5};
                            m.upper = {1, 2};
                        }),
                255, "variable 2 of 2: the bounds of X1 cross: lower 5, upper 2"},
        Refusal{"bounds", changed(withVariables(2), [](zep::Model& m) { m.lower = {1}; }), 255,
                "the bounds: 1 lower bounds for 2 variables"},
        Refusal{"twice", changed(withVariables(2), [](zep::Model& m) { m.variables[1] = "X0"; }),
                255, "variable 2 of 2: the name X0 is given twice"},
        Refusal{"label",
                changed(withVariables(1),
                        [](zep::Model& m) {
                            m.constraints = {{"A", {1}, zep::Relation::less_equal, 1},
                                             {"A B", {1}, zep::Relation::less_equal, 1}};
                        }),
                255, "constraint 2 of 2: the label 'A B' is empty or holds a blank"},
        Refusal{"case", changed(withVariables(12), [](zep::Model& m) { m.variables[11] = "x1"; }),
                255,
                "variable 12 of 12: the names X1 and x1 differ only in case, which zep does not "
                "tell apart"},
        Refusal{"labelTwice",
                changed(withVariables(1),
                        [](zep::Model& m) {
                            m.constraints = {{"A", {1}, zep::Relation::less_equal, 1},
                                             {"A", {1}, zep::Relation::less_equal, 1}};
                        }),
                255, "constraint 2 of 2: the row label A is given twice"},
        Refusal{"addedColumn",
                changed(withVariables(1),
                        [](zep::Model& m) {
                            m.variables[0] = "slk:a";
                            m.constraints = {{"A", {1}, zep::Relation::less_equal, 1}};
                        }),
                255, "the model: the variable name slk:a is also the name of an added column"},
        Refusal{"range",
                changed(withVariables(1),
                        [](zep::Model& m) {
                            m.constraints = {{"A", {1}, zep::Relation::equal, 1, false, 2}};
                        }),
                255, "constraint 1 of 1: an \"=\" row takes no range"}),
    zep::detail::testing::ByName());

// An empty text is the empty model of the matrix form, which has no
// objective for a Model to hold.
TEST(LibraryModel, MissingObjectiveIsReportedOnReading) {
    try {
        zep::read_model("");
        FAIL() << "no error";
    } catch (const zep::Error& e) {
        EXPECT_STREQ(e.what(), "the model has no objective");
    }
}

TEST(LibraryModel, AlgebraicFormHoldsNoBounds) {
    zep::Model m = zep::read_model(fileText("examples/bounded-cplex.lp"));
    EXPECT_THROW(zep::write_algebraic(m), zep::Error);
    m.upper.clear();
    EXPECT_NE(zep::write_algebraic(m).find("C2) X + 3 Y <= 6"), std::string::npos);
}

} // namespace
