#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "input/scanner.h"
#include "support.h"

namespace {

using zep::detail::testing::Harness;

struct Token {
    std::string text;
    int type;
    bool operator==(const Token&) const = default;
};

std::vector<Token> scanAll(zep::detail::Store& s) {
    zep::detail::chset(s);
    std::vector<Token> tokens;
    for (int t = zep::detail::getTok(s); t != -3; t = zep::detail::getTok(s))
        tokens.push_back({s.buf, t});
    return tokens;
}

std::string report(int caretCol, int n, const std::string& message) {
    return "\n" + std::string(static_cast<size_t>(caretCol - 1), ' ') + "^\nInput Error " +
           std::to_string(n) + ">> " + message + "\nProcessing terminated\n";
}

const std::string lexical = "Syntax error on input";
const std::string tooLong = "Element too long.\n(Variable and row names limited to 8 characters.)";

struct TokenCase {
    std::string input;
    std::vector<Token> tokens;
};

class ScanTokens : public ::testing::TestWithParam<TokenCase> {};

TEST_P(ScanTokens, GivesTokensAndEchoesTheTextExactly) {
    Harness h(GetParam().input);
    EXPECT_EQ(scanAll(h.store()), GetParam().tokens);
    EXPECT_EQ(h.output(), GetParam().input);
}

INSTANTIATE_TEST_SUITE_P(
    Scanner, ScanTokens,
    ::testing::Values(
        TokenCase{"MAX PROFIT) 2X + 3Y",
                  {{"MAX", 1}, {"PROFIT)", 5}, {"2", 2}, {"X", 1}, {"+3", 2}, {"Y", 1}}},
        TokenCase{"2X - 13.5ALPHA+ZETA",
                  {{"2", 2}, {"X", 1}, {"-13.5", 3}, {"ALPHA", 1}, {"+", 2}, {"ZETA", 1}}},
        TokenCase{"2.5ALPHA", {{"2.5", 3}, {"ALPHA", 1}}},
        TokenCase{"x1 x.2", {{"X1", 1}, {"X.2", 1}}},
        TokenCase{"X + Y", {{"X", 1}, {"+", 2}, {"Y", 1}}},
        TokenCase{"X - 2.5Y", {{"X", 1}, {"-2.5", 3}, {"Y", 1}}},
        TokenCase{"+ -", {{"+", 2}, {"-", 2}}}, TokenCase{"5\n3\n", {{"53", 2}}},
        TokenCase{"5\nR2)", {{"5", 2}, {"R2)", 5}}}, TokenCase{"1 000", {{"1000", 2}}},
        TokenCase{"1E5", {{"1", 2}, {"E5", 1}}},
        TokenCase{".5 X .", {{".5", 3}, {"X", 1}, {".", 3}}}, TokenCase{"< =", {{"<=", 4}}},
        TokenCase{"=>", {{"=>", 4}}}, TokenCase{"X<=4", {{"X", 1}, {"<=", 4}, {"4", 2}}},
        TokenCase{"ROW1 )", {{"ROW1", 1}, {")", 5}}}, TokenCase{"ROW1)", {{"ROW1)", 5}}},
        TokenCase{"2)", {{"2", 2}, {")", 5}}},
        TokenCase{"ABCDEFGH ABCDEFGH)", {{"ABCDEFGH", 1}, {"ABCDEFGH)", 5}}},
        TokenCase{std::string("a\tb\0c", 5), {{"A", 1}, {"B", 1}, {"C", 1}}}, TokenCase{"", {}},
        TokenCase{" \t\n  \n", {}}));

struct ErrorCase {
    std::string input;
    std::string expected;
};

class ScanErrors : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(ScanErrors, EndWithTheReport) {
    Harness h(GetParam().input);
    EXPECT_EQ(h.run(scanAll), 255);
    EXPECT_EQ(h.output(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Scanner, ScanErrors,
    ::testing::Values(ErrorCase{"<==", "<==" + report(3, 18, tooLong)},
                      ErrorCase{"ABCDEFGHI", "ABCDEFGHI" + report(9, 18, tooLong)},
                      ErrorCase{"ABCDEFGHI X", "ABCDEFGHI" + report(9, 18, tooLong)},
                      ErrorCase{"ABCDEFGHI)", "ABCDEFGHI)" + report(10, 18, tooLong)},
                      ErrorCase{"1.2.3", "1.2Error in column 3\n" + report(3, 1, lexical)},
                      ErrorCase{"1 . 2 .", "1 . 2 Error in column 6\n" + report(6, 1, lexical)},
                      ErrorCase{"X\r+\n", "XError in column 1\n" + report(1, 1, lexical)},
                      ErrorCase{"caf\xe9", "cafError in column 3\n" + report(3, 1, lexical)},
                      ErrorCase{"\x80", "Error in column 0\n" + report(1, 1, lexical)},
                      ErrorCase{"\xff", "Error in column 0\n" + report(1, 1, lexical)},
                      ErrorCase{"3*X", "3Error in column 1\n" + report(1, 1, lexical)},
                      ErrorCase{"X\n(", "X\nError in column 0\n" + report(1, 1, lexical)},
                      ErrorCase{"AB\n  2,5", "AB\n  2Error in column 3\n" + report(3, 1, lexical)},
                      ErrorCase{std::string(100, '7'),
                                std::string(100, '7') + report(100, 18, tooLong)}));

TEST(Scanner, NumberOf99DigitsFits) {
    Harness h(std::string(99, '9') + " ");
    zep::detail::chset(h.store());
    EXPECT_EQ(zep::detail::getTok(h.store()), 2);
    EXPECT_EQ(h.store().scan.tokLen, 99);
    EXPECT_EQ(std::strlen(h.store().buf), 99u);
}

TEST(Scanner, OverlongTokenStaysInsideBuf) {
    Harness h("X" + std::string(500, 'Y') + " ");
    zep::detail::chset(h.store());
    EXPECT_EQ(h.run([](zep::detail::Store& s) { zep::detail::getTok(s); }), 255);
    EXPECT_EQ(strnlen(h.store().buf, zep::detail::buf_size),
              static_cast<size_t>(zep::detail::buf_size - 1));
    EXPECT_LE(h.store().scan.tokLen, zep::detail::buf_size);
    EXPECT_EQ(h.store().tab.a_mat[0][0], 0.0);
    EXPECT_EQ(h.store().scan.errCol, 501);
}

TEST(Scanner, EndOfInputRepeats) {
    Harness h("X");
    zep::detail::chset(h.store());
    EXPECT_EQ(zep::detail::getTok(h.store()), 1);
    EXPECT_STREQ(h.store().buf, "X");
    EXPECT_EQ(zep::detail::getTok(h.store()), -3);
    EXPECT_EQ(zep::detail::getTok(h.store()), -3);
}

TEST(Scanner, DelimiterIsEchoedByTheNextCall) {
    Harness h("X+Y");
    zep::detail::chset(h.store());
    zep::detail::getTok(h.store());
    EXPECT_EQ(h.output(), "X");
    EXPECT_EQ(h.store().scan.errCol, 1);
    zep::detail::getTok(h.store());
    EXPECT_EQ(h.output(), "X+");
}

TEST(Scanner, ColumnRestartsOnEachLine) {
    Harness h("AB\nCDE");
    zep::detail::chset(h.store());
    zep::detail::getTok(h.store());
    EXPECT_EQ(h.store().scan.errCol, 2);
    zep::detail::getTok(h.store());
    EXPECT_EQ(h.store().scan.errCol, 3);
}

TEST(Scanner, EchoOffStillReportsTheError) {
    Harness h("X 1.2.3");
    h.store().opt.echo = 0;
    EXPECT_EQ(h.run(scanAll), 255);
    EXPECT_EQ(h.output(), "Error in column 5\n" + report(5, 1, lexical));
}

TEST(Scanner, EchoOffPrintsNothingOfAGoodText) {
    Harness h("MAX P) X\n");
    h.store().opt.echo = 0;
    EXPECT_EQ(scanAll(h.store()).size(), 3u);
    EXPECT_EQ(h.output(), "");
}

TEST(Scanner, ErrExitPutsTheCaretAtLeastInColumnOne) {
    for (int col : {0, 1}) {
        Harness h;
        h.store().scan.errCol = col;
        EXPECT_EQ(h.run([](zep::detail::Store& s) { zep::detail::errExit(s, 3); }), 255);
        EXPECT_EQ(h.output(), report(1, 3, "Objective function label missing"));
    }
}

struct ClassCase {
    std::vector<int> bytes;
    int cls;
};

TEST(Scanner, ChsetFillsTheCharacterClasses) {
    std::vector<ClassCase> cases = {
        {{'A', 'Z', 'a', 'z', 'q'}, 1},
        {{'0', '5', '9'}, 2},
        {{'.'}, 3},
        {{'+', '-'}, 4},
        {{0, '\t', '\n', ' '}, 5},
        {{'<', '=', '>'}, 6},
        {{')'}, 7},
        {{'\r', '(', '*', ',', '/', '[', '@', 127, 128, 200, 255}, 254},
    };
    Harness h;
    zep::detail::chset(h.store());
    for (const ClassCase& c : cases)
        for (int b : c.bytes)
            EXPECT_EQ(static_cast<unsigned char>(h.store().scan.chtype[b]), c.cls) << "byte " << b;
    int classed = 0;
    for (signed char t : h.store().scan.chtype) classed += t != -2;
    EXPECT_EQ(classed, 52 + 10 + 1 + 2 + 4 + 3 + 1);
}

struct ValueCase {
    const char* token;
    double value;
};

TEST(Scanner, TokValueByToken) {
    std::vector<ValueCase> cases = {
        {"", 1.0},    {"+", 1.0},       {".", 1.0},     {"+.", 1.0}, {"-", -1.0},
        {"-.", -1.0}, {"7", 7.0},       {"-2.5", -2.5}, {".5", 0.5}, {"+3", 3.0},
        {"53", 53.0}, {"1000", 1000.0}, {"5.", 5.0},
    };
    Harness h;
    for (const ValueCase& c : cases) {
        std::strcpy(h.store().buf, c.token);
        h.store().scan.tokLen = static_cast<int>(std::strlen(c.token));
        EXPECT_EQ(zep::detail::tokValue(h.store()), c.value) << c.token;
    }
}

TEST(Scanner, TokValueKeepsNegativeZero) {
    Harness h;
    std::strcpy(h.store().buf, "-0");
    h.store().scan.tokLen = 2;
    EXPECT_TRUE(std::signbit(zep::detail::tokValue(h.store())));
}

} // namespace
