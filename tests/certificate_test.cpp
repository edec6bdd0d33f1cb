// The check handed wrong certificates, each wrong by less than any
// tolerance would notice: it refuses every one, and accepts the right
// certificate next to it.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>

#include "check/certificate.h"
#include "check/exact.h"
#include "check/verify.h"
#include "input/matrix.h"
#include "random_model.h"
#include "simplex/simplex.h"
#include "stdform/stdform.h"
#include "support.h"

namespace {

using zep::detail::Store;
using zep::detail::testing::Harness;

Store& load(Harness& h) {
    zep::detail::initParam(h.store());
    zep::detail::generate2(h.store());
    zep::detail::setprob(h.store());
    return h.store();
}

// Column X costs 1e12 and takes one unit of C1 (dual 1e12) and 1e-12 of C2:
// with C2's dual at 1, X's reduced cost is exactly -1e-12, which a
// tolerance scaled by the largest dual (1e12) would take for zero.
TEST(Certificate, ReducedCostOfMinus1e12BesideADualOf1e12IsRefused) {
    Harness h("MIN 1 2\nX\nOBJ 1000000000000\nC1 1 >= 1\nC2 1e-12 >= 0\n");
    Store& s = load(h);
    double c[zep::detail::tab_cols] = {0, 1e12};
    double y[zep::detail::tab_rows] = {0, 1e12, 1};
    EXPECT_FALSE(zep::detail::duals_hold(s, c, y));
    y[2] = 0;
    EXPECT_TRUE(zep::detail::duals_hold(s, c, y));
}

// A dual value of the wrong sign for its relation, by the smallest amount
// a double can hold.
TEST(Certificate, DualOfTheWrongSignIsRefused) {
    Harness h("MAX 1 1\nX\nP 1\nC1 1 <= 4\n");
    Store& s = load(h);
    double c[zep::detail::tab_cols] = {0, -1};
    double y[zep::detail::tab_rows] = {0, -std::nextafter(0.0, 1.0)};
    EXPECT_FALSE(zep::detail::duals_hold(s, c, y));
}

// dx = (3, 1) keeps X - 3Y >= 0 exactly; one unit in the last place less of
// X breaks it by 4.4e-16.
TEST(Certificate, RayThatMissesARowByOneUnitInTheLastPlaceIsRefused) {
    Harness h("MAX 2 2\nX Y\nP 1 1\nC1 1 -3 >= 0\nC2 -1 1 <= 7\n");
    Store& s = load(h);
    double dx[zep::detail::tab_cols] = {0, 3, 1};
    EXPECT_TRUE(zep::detail::ray_holds(s, dx));
    dx[1] = std::nextafter(3.0, 0.0);
    EXPECT_FALSE(zep::detail::ray_holds(s, dx));
}

// An "=" row along which the ray moves by one unit in the last place.
TEST(Certificate, RayThatLeavesAnEqualityByOneUnitInTheLastPlaceIsRefused) {
    Harness h("MAX 2 1\nX Y\nP 1 1\nC1 0.1 -0.1 = 0\n");
    Store& s = load(h);
    double dx[zep::detail::tab_cols] = {0, 1, 1};
    EXPECT_TRUE(zep::detail::ray_holds(s, dx));
    dx[2] = std::nextafter(1.0, 2.0);
    EXPECT_FALSE(zep::detail::ray_holds(s, dx));
}

TEST(Certificate, RayThatDoesNotImproveIsRefused) {
    Harness h("MIN 2 1\nX Y\nP 1e-300 -1e-300\nC1 1 -1 <= 1\n");
    Store& s = load(h);
    double dx[zep::detail::tab_cols] = {0, 1, 1};
    EXPECT_FALSE(zep::detail::ray_holds(s, dx));
}

// u = (1, -1, -1) combines the rows into 0 X + (-1) Y >= 1e16 - 1 - 1e16:
// in floating point the right-hand side sums to +0 (1e16 - 1 rounds to
// 1e16), but it is exactly -1, and X = 1e16, Y = 0 meets every row.
TEST(Certificate, FarkasSumThatIsZeroInFloatingPointButNegativeIsRefused) {
    Harness h("MIN 2 3\nX Y\nP 1 1\nC1 1 0 >= 1e16\nC2 0 1 <= 1\nC3 1 0 <= 1e16\n");
    Store& s = load(h);
    double u[zep::detail::tab_rows] = {0, 1, -1, -1};
    EXPECT_EQ(1e16 - 1 - 1e16, 0.0);
    EXPECT_FALSE(zep::detail::farkas_holds(s, u));
}

// With C3 at 1e16 - 2 the same u proves the rows contradictory (its sum is
// exactly 1), though floating point cannot tell the sum from rounding.
TEST(Certificate, FarkasSumDecidedExactlyWhereRoundingHidesIt) {
    Harness h("MIN 2 3\nX Y\nP 1 1\nC1 1 0 >= 1e16\nC2 0 1 <= 1\nC3 1 0 <= 9999999999999998\n");
    Store& s = load(h);
    double u[zep::detail::tab_rows] = {0, 1, -1, -1};
    EXPECT_TRUE(zep::detail::farkas_holds(s, u));
    u[1] = 1.5;
    EXPECT_FALSE(zep::detail::farkas_holds(s, u)) << "u A_X = 0.5 > 0";
}

// The exact tableau of the final basis, the start of both the last stage of
// the check and the re-solve.
TEST(Certificate, ExactTableauReachesTheFinalBasis) {
    Harness h("MAX 2 2\nX Y\nPROFIT 2 3\nC1 1 1 <= 4\nC2 1 3 <= 6\n");
    Store& s = load(h);
    zep::detail::simplex(s);
    zep::detail::ExactTableau e = zep::detail::exact_at_basis(s);
    ASSERT_TRUE(e.at_basis);
    EXPECT_EQ(e.a[0][0], 9); // minus the internal (minimising) objective
    EXPECT_EQ(e.a[0][3], mpq_class(3, 2));
    EXPECT_EQ(e.a[e.status[1]][0], 3);
    EXPECT_EQ(e.a[e.status[2]][0], 1);
}

// A basis that exact arithmetic finds singular: the re-solve starts over
// from the standard form's basis.
TEST(Certificate, SingularBasisIsNotReached) {
    Harness h("MAX 2 2\nX Y\nP 1 1\nC1 1 1 <= 4\nC2 2 2 <= 8\n");
    Store& s = load(h);
    s.tab.basis_index[1] = 1;
    s.tab.basis_index[2] = 2;
    EXPECT_FALSE(zep::detail::exact_at_basis(s).at_basis);
}

// The floating-point rules end with X4 basic at -0.55: with X4 at -0.55 the
// rows balance (78.5e12 X4 cancels 7.6 X2), so a point whose values may be
// below zero by a fraction of the largest value would pass. A value below
// zero counts as zero, and R1 then breaks by 4e13.
TEST(Certificate, PointWithAValueBelowZeroIsRefused) {
    Harness h("MAX 5 3\nX1 X2 X3 X4 X5\nOBJ -43600 768 -9.78e-07 -0.187 8.51e-07\n"
              "R1 0.962 7.6 0 78500000000000 830000 <= 596000\n"
              "R2 0.962 7.6 0 78500000000000 830000 >= 595999.9404\n"
              "R3 1 1 1 1 1 <= 5680000000000\n");
    Store& s = load(h);
    zep::detail::simplex(s);
    ASSERT_EQ(s.engine.end_stat, zep::Outcome::optimal);
    ASSERT_LT(s.tab.a_mat[s.tab.col_status[4]][0], 0.0);
    EXPECT_FALSE(zep::detail::outcome_holds(s));
}

// A written number is the shortest decimal of its double.
TEST(Certificate, WrittenNumbersAreTheirShortestDecimals) {
    EXPECT_EQ(zep::detail::written(0.1), mpq_class(1, 10));
    EXPECT_EQ(zep::detail::written(-2.5e-7), mpq_class(-1, 4000000));
    EXPECT_EQ(zep::detail::written(1e20), mpq_class(mpz_class("100000000000000000000")));
    EXPECT_EQ(zep::detail::written(0.0), 0);
}

// A sum's error bound skips its underflow part where that cannot change
// the double: it is the whole formula's, bit for bit, on sums of every
// scale (zero, subnormal, tiny, ordinary, huge, infinite and NaN parts).
TEST(Certificate, ErrorBoundIsTheWholeFormulasDouble) {
    using zep::detail::smallest;
    using zep::detail::unit_roundoff;
    unsigned seed = zep::detail::testing::testSeed("ZEP_ERROR_BOUND_SEED", 5150);
    std::mt19937_64 rng(seed);
    const double scales[] = {0,        smallest, 0x1p-1060, 0x1p-1000, 0x1p-960, 0x1p-903,
                             0x1p-850, 1e-300,   1e-20,     1,         1e20,     0x1p49,
                             0x1p51,   1e300,    HUGE_VAL,  NAN};
    auto draw = [&] {
        double scale = scales[rng() % (sizeof scales / sizeof scales[0])];
        return scale * std::ldexp(static_cast<double>(rng() >> 11), -53) * 2;
    };
    for (int i = 0; i < 200000; i++) {
        zep::detail::Sum sum{draw(), draw(), draw(), static_cast<int>(rng() % 200), false};
        double formula = (2.0 * sum.terms + 8) * unit_roundoff * sum.size +
                         (sum.weight + sum.terms + 16) * 4 * smallest;
        double bound = sum.error();
        std::uint64_t a, b;
        std::memcpy(&a, &formula, sizeof a);
        std::memcpy(&b, &bound, sizeof b);
        ASSERT_EQ(a, b) << "size " << sum.size << " weight " << sum.weight << " terms "
                        << sum.terms;
    }
}

} // namespace
