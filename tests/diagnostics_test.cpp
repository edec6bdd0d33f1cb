// Where errors and warnings point, and that the warnings do not cry wolf.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

#include <zep/zep.h>

#include "differential.h"
#include "input/warnings.h"
#include "support.h"

namespace {

namespace fs = std::filesystem;

struct PlaceCase {
    const char* name;
    std::string text;
    int error;
    int line, column;
};

std::string lines(const char* first, const char* each, int count) {
    std::string text = first;
    for (int k = 1; k <= count; k++) text += "\n" + std::string(each) + std::to_string(k);
    return text;
}

std::string constraints(int count) {
    std::string text = "MAX P) X";
    for (int k = 1; k <= count; k++) text += "\nC" + std::to_string(k) + ") X <= 1";
    return text;
}

class InputErrorPlace : public ::testing::TestWithParam<PlaceCase> {};

// The locating line names the offending token where it begins (for a
// lexical error, the offending character), on its own line.
TEST_P(InputErrorPlace, NamesTheOffendingToken) {
    const PlaceCase& c = GetParam();
    try {
        zep::read_model(c.text);
        FAIL() << "no error";
    } catch (const zep::Error& e) {
        EXPECT_EQ(e.kind(), zep::ErrorKind::input);
        EXPECT_EQ(e.status(), 255);
        std::string what = e.what();
        EXPECT_NE(what.find("(input error " + std::to_string(c.error) + ")"), std::string::npos)
            << what;
        EXPECT_EQ(e.line(), c.line) << what;
        EXPECT_EQ(e.column(), c.column) << what;
    }
}

// Error 0 is raised by no path, and 13 neither: a relation token takes in
// the blanks and relation characters behind it, so two never stand side by
// side.
INSTANTIATE_TEST_SUITE_P(Cases, InputErrorPlace,
                         ::testing::Values(PlaceCase{"e1", "MAX P) X *", 1, 1, 10},
                                           PlaceCase{"e1_second_point", "MAX P) X\n1.2.3", 1, 2, 4},
                                           PlaceCase{"e2", "MA P) X", 2, 1, 1},
                                           PlaceCase{"e3", "MAX 2X", 3, 1, 5},
                                           PlaceCase{"e4", "MAX P) X < 4", 4, 1, 10},
                                           PlaceCase{"e5", "MAX P) C1) X < 1", 5, 1, 8},
                                           PlaceCase{"e6", "MAX P) X\nC1) 2 +3X <= 4", 6, 2, 7},
                                           PlaceCase{"e7", "MAX P) 2 <= 4", 7, 1, 10},
                                           PlaceCase{"e8", "MAX P) X Y", 8, 1, 10},
                                           PlaceCase{"e9", "MAX P) X\nC1) <= 4", 9, 2, 5},
                                           PlaceCase{"e10", "MAX P) X\nC1) C2) X <= 4", 10, 2, 5},
                                           PlaceCase{"e11", "MAX P) X\nC1) 2 C2)", 11, 2, 7},
                                           PlaceCase{"e12", "MAX P) X\nC1) X <= -4\n", 12, 2, 10},
                                           PlaceCase{"e14", "MAX P) X\nC1) X <= C2)", 14, 2, 10},
                                           PlaceCase{"e15", "MAX P) X\nC1) X <= 4 Y", 15, 2, 12},
                                           PlaceCase{"e16", constraints(31), 16, 32, 1},
                                           PlaceCase{"e17", lines("MAX P)", "+ X", 51), 17, 52, 3},
                                           PlaceCase{"e18", "MAX P) ABCDEFGHI", 18, 1, 8},
                                           PlaceCase{"e19", "MAX P) X\nP) X <= 1", 19, 2, 1},
                                           PlaceCase{"e20", "MAX P) X\nC1) X <= 4 )", 20, 2, 12}),
                         zep::detail::testing::ByName());

TEST(Diagnostics, SignificantDigitsRunFromTheFirstNonZeroDigitToTheLast) {
    struct Case {
        const char* text;
        int digits;
    };
    const Case cases[] = {{"0", 0},
                          {"100", 1},
                          {"0.00125", 3},
                          {"-1.5e300", 2},
                          {"12345678901234567", 17},
                          {"123456789012345678", 18},
                          {"+.0000000000000000000001", 1},
                          {"1.000000000000000000000", 1}};
    for (const Case& c : cases)
        EXPECT_EQ(zep::detail::significantDigits(c.text, static_cast<int>(std::strlen(c.text))),
                  c.digits)
            << c.text;
}

TEST(Diagnostics, LpFormatNumberAndNamesAreNotedByLine) {
    zep::Model m = zep::read_model("Maximize\n obj: 2 production_a + 3.000000000000000000001 "
                                   "production_b\nSubject To\n c1: production_a <= 4\nEnd\n");
    ASSERT_EQ(m.notes.size(), 3u);
    EXPECT_EQ(m.notes[0].kind, zep::NoteKind::cut_name);
    EXPECT_EQ(m.notes[0].line, 2);
    EXPECT_EQ(m.notes[1].kind, zep::NoteKind::inexact_number);
    EXPECT_EQ(m.notes[1].line, 2);
    EXPECT_EQ(m.notes[1].column, 24);
    EXPECT_EQ(m.notes[2].kind, zep::NoteKind::same_cut_name);
}

TEST(Diagnostics, MatrixRefusalNamesTheWord) {
    try {
        zep::read_model("MAX 2 1\nX Y\nP 1 1\nC1 1 one <= 4\n");
        FAIL() << "no error";
    } catch (const zep::Error& e) {
        EXPECT_EQ(e.kind(), zep::ErrorKind::matrix_input);
        EXPECT_STREQ(e.what(), "expected coefficient 2 of row C1, found 'one'");
        EXPECT_EQ(e.line(), 4);
        EXPECT_EQ(e.column(), 6);
    }
}

TEST(Diagnostics, CarriageReturnLineFeedReadsAsLineFeed) {
    zep::Model crlf = zep::read_model("MAX P) 2X + 3Y\r\nC1) X + Y <= 4\r\nC2) X + 3Y <= 6\r\n");
    zep::Model lf = zep::read_model("MAX P) 2X + 3Y\nC1) X + Y <= 4\nC2) X + 3Y <= 6\n");
    EXPECT_EQ(zep::solve(crlf).report, zep::solve(lf).report);
}

// Every model of the corpus is written as the rules mean it: none may draw
// a warning.
TEST(Diagnostics, CorpusModelsDrawNoWarning) {
    int models = 0;
    for (const auto& entry : fs::directory_iterator(fs::path(ZEP_SOURCE_DIR) / "tests/corpus")) {
        std::string ext = entry.path().extension().string();
        if (ext != ".lp" && ext != ".mat") continue;
        zep::Model m = zep::read_model(zep::detail::testing::readFile(entry.path().string()));
        for (const zep::Note& n : m.notes)
            ADD_FAILURE() << entry.path().filename() << ":" << n.line << ":" << n.column << ": "
                          << n.text;
        models++;
    }
    EXPECT_GT(models, 100);
}

} // namespace
