// Every kind of bound that the LP format and MPS write, as each reader
// takes it: the variable's bounds as written, the columns laid out for
// them, and the refusals.
#include <gtest/gtest.h>

#include <string>

#include "input/lp_format.h"
#include "input/mps.h"
#include "support.h"

namespace {

using zep::detail::testing::Harness;

constexpr double inf = 1e30;

struct BoundCase {
    const char* lp_bounds;  // lines of a Bounds section on x
    const char* mps_bounds; // records of a BOUNDS section on X
    double lower, upper;    // of x as written
};

int readLp(Harness& h) {
    std::snprintf(h.store().buf, sizeof h.store().buf, "m.lp");
    zep::detail::initParam(h.store());
    return h.run(zep::detail::readLpFormat);
}

int readMps(Harness& h) {
    std::snprintf(h.store().buf, sizeof h.store().buf, "m.mps");
    zep::detail::initParam(h.store());
    return h.run(zep::detail::readMps);
}

std::string lastLine(Harness& h) {
    std::string out = h.output();
    if (!out.empty() && out.back() == '\n') out.pop_back();
    return out.substr(out.rfind('\n') + 1);
}

// The written bounds of column 1, a free variable's read back from its two
// columns.
void expectBounds(const zep::detail::Store& s, double lower, double upper) {
    bool split = s.model.neg_col[1] != 0;
    EXPECT_EQ(split, lower == -inf);
    EXPECT_EQ(split ? -inf : s.model.lower[1], lower);
    EXPECT_EQ(s.model.upper[1], upper);
    EXPECT_EQ(s.model.num_split, split ? 1 : 0);
    if (split) {
        int k = s.model.neg_col[1];
        EXPECT_EQ(k, 3);
        EXPECT_STREQ(s.tab.varname[k], "-X");
        EXPECT_EQ(s.tab.a_mat[1][k], -2.0);
        EXPECT_EQ(s.model.lower[1], upper == inf ? 0 : upper);
    }
    double width = upper == inf ? inf : upper - s.model.lower[1];
    EXPECT_EQ(s.tab.upperb[1], width);
    EXPECT_EQ(s.tab.lowerb[1], s.model.lower[1]);
    // Row c: 2 x + y <= 20, shifted by x's lower bound.
    EXPECT_EQ(s.tab.a_mat[1][0], 20 - 2 * s.model.lower[1]);
    EXPECT_EQ(s.model.rrhs[1], 20.0);
}

class BoundsReader : public ::testing::TestWithParam<BoundCase> {};

TEST_P(BoundsReader, LpFormat) {
    Harness h(std::string("Minimize\n z: x + y\nSubject To\n c: 2 x + y <= 20\nBounds\n") +
              GetParam().lp_bounds + "End\n");
    ASSERT_EQ(readLp(h), -1) << h.output();
    expectBounds(h.store(), GetParam().lower, GetParam().upper);
}

TEST_P(BoundsReader, Mps) {
    Harness h(std::string("ROWS\n N Z\n L C\nCOLUMNS\n X Z 1 C 2\n Y Z 1 C 1\nRHS\n RHS C 20\n"
                          "BOUNDS\n") +
              GetParam().mps_bounds + "ENDATA\n");
    ASSERT_EQ(readMps(h), -1) << h.output();
    expectBounds(h.store(), GetParam().lower, GetParam().upper);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, BoundsReader,
    ::testing::Values(BoundCase{" x >= 0\n", " PL BND X\n", 0, inf},
                      BoundCase{" x >= 2\n", " LO BND X 2\n", 2, inf},
                      BoundCase{" x >= -5\n", " LO BND X -5\n", -5, inf},
                      BoundCase{" x <= 40\n", " UP BND X 40\n", 0, 40},
                      BoundCase{" 0 <= x <= 40\n", " UP X 40\n", 0, 40},
                      BoundCase{" -3 <= x <= 4\n", " LO BND X -3\n UP BND X 4\n", -3, 4},
                      BoundCase{" 4 >= x >= -3\n", " UP BND X 4\n LO BND X -3\n", -3, 4},
                      BoundCase{" x = 3\n", " FX BND X 3\n", 3, 3},
                      BoundCase{" x = -2.5\n", " FX BND X -2.5\n", -2.5, -2.5},
                      BoundCase{" x free\n", " FR BND X\n", -inf, inf},
                      BoundCase{" x FREE\n", " FR X\n", -inf, inf},
                      BoundCase{" -inf <= x\n", " MI BND X\n", -inf, inf},
                      BoundCase{" x >= -infinity\n", " LO BND X -1e30\n", -inf, inf},
                      BoundCase{" -inf <= x <= 6\n", " MI BND X\n UP BND X 6\n", -inf, 6},
                      BoundCase{" x <= 6\n x >= -inf\n", " UP BND X 6\n MI BND X\n", -inf, 6},
                      BoundCase{" x <= +inf\n", " UP BND X 1e30\n", 0, inf},
                      BoundCase{" x <= 5\n x <= 7\n", " UP BND X 5\n UP BND X 7\n", 0, 7}));

struct Refusal {
    bool lp;
    const char* text;
    const char* message;
};

class BoundsRefusal : public ::testing::TestWithParam<Refusal> {};

TEST_P(BoundsRefusal, NamesTheBoundAndTheLine) {
    Harness h(GetParam().text);
    EXPECT_EQ(GetParam().lp ? readLp(h) : readMps(h), 255);
    EXPECT_EQ(lastLine(h), GetParam().message);
}

#define LP "Minimize\n z: x\nSubject To\n c: x >= 1\nBounds\n"
#define MPS "ROWS\n N Z\n L C\nCOLUMNS\n X Z 1 C 1\nBOUNDS\n"

INSTANTIATE_TEST_SUITE_P(
    Cases, BoundsRefusal,
    ::testing::Values(
        Refusal{true, LP " x <= -5\n",
                "LP format input error, line 6: the bounds of x cross: lower 0, upper -5"},
        Refusal{true, LP " x >= 3\n x <= 2\n",
                "LP format input error, line 7: the bounds of x cross: lower 3, upper 2"},
        Refusal{true, LP " 3 <= x <= 2\n",
                "LP format input error, line 6: the bounds of x cross: lower 3, upper 2"},
        Refusal{true, LP " x >= inf\n",
                "LP format input error, line 6: the bounds of x cross: lower 1e+30, upper 1e+30"},
        Refusal{true, LP " 1 <= x >= 2\n",
                "LP format input error, line 6: a bound must read: value relation name relation "
                "value"},
        Refusal{true, LP " 1 = x = 2\n",
                "LP format input error, line 6: a bound must read: value relation name relation "
                "value"},
        Refusal{true, LP " x free 2\n",
                "LP format input error, line 6: a bound line holds one bound"},
        Refusal{false, MPS " UP BND X -5\n",
                "MPS input error, line 7: the bounds of X cross: lower 0, upper -5"},
        Refusal{false, MPS " LO BND X 3\n UP BND X 2\n",
                "MPS input error, line 8: the bounds of X cross: lower 3, upper 2"},
        Refusal{false, MPS " MI BND X\n UP BND X -inf\n",
                "MPS input error, line 8: '-inf' is not a number"},
        Refusal{false, MPS " BV BND X\n",
                "MPS input error, line 7: integer variables (bound type BV) are not supported"},
        Refusal{false, MPS " FR BND X 3 4\n",
                "MPS input error, line 7: a data line with 5 fields, which this section does not "
                "take"}));

} // namespace
