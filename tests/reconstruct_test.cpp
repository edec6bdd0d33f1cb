#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>

#include "check/decimals.h"
#include "check/exact.h"
#include "check/reconstruct.h"
#include "input/form.h"
#include "input/matrix.h"
#include "random_model.h"
#include "simplex/simplex.h"
#include "stdform/stdform.h"
#include "support.h"

namespace {

using zep::detail::BasisBounds;
using zep::detail::Decimal;
using zep::detail::decimal_of;
using zep::detail::Store;
using zep::detail::testing::Harness;

mpq_class valueOf(const Decimal& d) {
    mpz_class scale;
    mpz_ui_pow_ui(scale.get_mpz_t(), 10, static_cast<unsigned long>(d.places));
    mpq_class q(mpz_class(static_cast<long>(d.digits)), scale);
    q.canonicalize();
    return q;
}

// Wherever decimal_of answers, it is the decimal the exact check reads.
void expectWritten(double v) {
    Decimal d;
    if (decimal_of(v, d)) {
        EXPECT_EQ(valueOf(d), zep::detail::written(v)) << v;
    }
}

TEST(Reconstruct, DecimalsOfPlainNumbers) {
    const struct {
        double v;
        long digits;
        int places;
    } cases[] = {{0.1, 1, 1},
                 {-0.1, -1, 1},
                 {0.1 + 0.2, 30000000000000004, 17},
                 {2.0625, 20625, 4},
                 {48.50999999, 4850999999, 8},
                 {1e-7, 1, 7},
                 {-0.0, 0, 0},
                 {9007199254740991.0, 9007199254740991, 0}};
    for (const auto& c : cases) {
        Decimal d;
        bool found = decimal_of(c.v, d);
        if (c.places > 16) {
            EXPECT_FALSE(found) << c.v;
            continue;
        }
        ASSERT_TRUE(found) << c.v;
        EXPECT_EQ(d.digits, c.digits) << c.v;
        EXPECT_EQ(d.places, c.places) << c.v;
    }
    Decimal d;
    EXPECT_FALSE(decimal_of(1e300, d));
    EXPECT_FALSE(decimal_of(NAN, d));
    EXPECT_FALSE(decimal_of(HUGE_VAL, d));
}

TEST(Reconstruct, DecimalsAgreeWithTheWrittenNumbers) {
    unsigned seed = zep::detail::testing::testSeed("ZEP_DECIMAL_SEED", 1717);
    std::mt19937_64 rng(seed);
    for (int i = 0; i < 20000; i++) {
        int places = static_cast<int>(rng() % 19);
        auto digits = static_cast<long long>(rng() % 10000000000000000ULL) >> (rng() % 50);
        double v = static_cast<double>(digits) / std::pow(10.0, places);
        expectWritten(v);
        expectWritten(std::nextafter(v, 0.0));
        expectWritten(-v);
        double any;
        std::uint64_t bits = rng();
        std::memcpy(&any, &bits, sizeof any);
        expectWritten(any);
    }
}

void solved(Harness& h) {
    zep::detail::initParam(h.store());
    zep::detail::generate2(h.store());
    zep::detail::setprob(h.store());
    zep::detail::simplex(h.store());
}

// A model of small whole numbers with many zero right-hand sides and
// repeated rows: degenerate in its primal and its dual.
std::string degenerateModel(std::mt19937& rng, int rows, int vars) {
    auto draw = [&](int n) { return std::uniform_int_distribution<int>(0, n)(rng); };
    std::string text = std::string(draw(1) ? "MAX " : "MIN ") + std::to_string(vars) + " " +
                       std::to_string(rows) + "\n";
    for (int j = 1; j <= vars; j++) text += "X" + std::to_string(j) + " ";
    text += "\nOBJ";
    for (int j = 1; j <= vars; j++) text += " " + std::to_string(draw(2));
    for (int r = 1; r <= rows; r++) {
        text += "\nC" + std::to_string(r);
        for (int j = 1; j <= vars; j++) text += " " + std::to_string(draw(3) - 1);
        static const char* const relations[] = {" <= ", " <= ", " >= ", " = "};
        text += relations[draw(3)];
        text += std::to_string(draw(2) == 0 ? 0 : draw(9)) + (draw(3) == 0 ? ".5" : "");
    }
    return text + "\n";
}

// The reconstruction agrees with the exact tableau of the same basis,
// value for value, on every optimal basis it answers for; and it answers
// for most of them.
TEST(Reconstruct, AgreesWithTheExactTableau) {
    unsigned seed = zep::detail::testing::testSeed("ZEP_RECONSTRUCT_SEED", 4242);
    std::mt19937 rng(seed);
    int optimal = 0, answered = 0;
    for (int k = 0; k < 300; k++) {
        std::string text = degenerateModel(rng, 2 + k % 9, 2 + k % 7);
        Harness h(text);
        solved(h);
        const Store& s = h.store();
        if (s.engine.end_stat != zep::Outcome::optimal) continue;
        optimal++;
        BasisBounds b;
        if (!zep::detail::exact_basis_solution(s, b)) continue;
        zep::detail::ExactTableau e = zep::detail::exact_at_basis(s);
        if (!e.at_basis) continue;
        answered++;
        using zep::detail::nearest_double;
        for (int j = 1; j <= s.tab.last_col; j++) {
            int row = e.status[j];
            double x = row ? nearest_double(e.a[row][0]) : 0.0;
            EXPECT_EQ(b.x[j].lo, x) << text << "column " << j;
            EXPECT_EQ(b.x[j].hi, x) << text << "column " << j;
            EXPECT_EQ(b.d[j].lo, nearest_double(e.a[0][j])) << text << "column " << j;
        }
        EXPECT_EQ(b.objective.lo, nearest_double(-e.a[0][0])) << text;
    }
    std::printf("%d optimal, %d reconstructed\n", optimal, answered);
    EXPECT_GT(answered, optimal * 3 / 4);
}

// The model brought to the store's basis by exact pivots, each basic
// column into its own row where the entry allows.
zep::detail::ExactTableau pivoted(const Store& s) {
    zep::detail::ExactTableau e = zep::detail::exact_start(s);
    for (int r = 1; r <= s.model.num_cons; r++) {
        int k = s.tab.basis_index[r];
        if (e.status[k] != 0) continue;
        for (int t = 0; t <= s.model.num_cons; t++) {
            int row = t == 0 ? r : t;
            bool taken = false;
            for (int q = 1; q <= s.model.num_cons; q++)
                taken |= s.tab.basis_index[q] == e.basis[row];
            if (taken || sgn(e.a[row][k]) == 0) continue;
            zep::detail::exact_pivot(e, row, k);
            break;
        }
    }
    return e;
}

// The reconstructed tableau is the pivoted one, row for row by basic
// column, objective rows included, wherever it answers; and it answers for
// most optimal bases of small whole-number models.
TEST(Reconstruct, TableauAgreesWithThePivotedOne) {
    unsigned seed = zep::detail::testing::testSeed("ZEP_RECONSTRUCT_SEED", 4242);
    std::mt19937 rng(seed);
    int optimal = 0, answered = 0;
    for (int k = 0; k < 200; k++) {
        std::string text = degenerateModel(rng, 2 + k % 9, 2 + k % 7);
        Harness h(text);
        solved(h);
        const Store& s = h.store();
        if (s.engine.end_stat != zep::Outcome::optimal) continue;
        optimal++;
        zep::detail::ExactTableau got;
        if (!zep::detail::reconstructed_tableau(s, got)) continue;
        zep::detail::ExactTableau want = pivoted(s);
        ASSERT_EQ(got.a.size(), want.a.size()) << text;
        answered++;
        for (std::size_t r = 0; r < got.a.size(); r++) {
            bool constraint = r >= 1 && r <= static_cast<std::size_t>(s.model.num_cons);
            int basic = constraint ? got.basis[r] : 0;
            std::size_t w = constraint ? static_cast<std::size_t>(want.status[basic]) : r;
            ASSERT_TRUE(!constraint || w != 0) << text;
            for (std::size_t c = 0; c < got.a[r].size(); c++)
                EXPECT_EQ(got.a[r][c], want.a[w][c]) << text << "row " << r << " column " << c;
        }
    }
    std::printf("%d optimal, %d tableaux reconstructed\n", optimal, answered);
    EXPECT_GT(answered, optimal * 3 / 4);
}

// A model with bounds is laid out shifted and bounded in the tableau,
// which the reconstruction does not read: it answers nothing.
TEST(Reconstruct, ModelWithBoundsIsLeftToTheExactTableau) {
    Harness h("Maximize\n obj: 2 x + 3 y\nSubject To\n c1: x + y <= 4\n c2: x + 3 y <= 6\n"
              "Bounds\n 1 <= x <= 2\nEnd\n");
    zep::detail::initParam(h.store());
    zep::detail::readModel(h.store());
    zep::detail::setprob(h.store());
    zep::detail::simplex(h.store());
    ASSERT_EQ(h.store().engine.end_stat, zep::Outcome::optimal);
    BasisBounds b;
    EXPECT_FALSE(zep::detail::exact_basis_solution(h.store(), b));
}

// The objective's constant counts in the objective.
TEST(Reconstruct, ObjectiveCarriesItsConstant) {
    Harness h("Maximize\n obj: 2 x + 3 y + 5.5\nSubject To\n c1: x + y <= 4\n"
              " c2: x + 3 y <= 6\nEnd\n");
    zep::detail::initParam(h.store());
    zep::detail::readModel(h.store());
    zep::detail::setprob(h.store());
    zep::detail::simplex(h.store());
    ASSERT_EQ(h.store().engine.end_stat, zep::Outcome::optimal);
    BasisBounds b;
    ASSERT_TRUE(zep::detail::exact_basis_solution(h.store(), b));
    EXPECT_EQ(b.objective.lo, -14.5);
    zep::detail::ExactTableau e = zep::detail::exact_at_basis(h.store());
    EXPECT_EQ(b.objective.lo, zep::detail::nearest_double(-e.a[0][0]));
    ASSERT_TRUE(zep::detail::bound_basis(h.store(), b, true));
    EXPECT_LE(b.objective.lo, -14.5);
    EXPECT_GE(b.objective.hi, -14.5);
}

// A tableau value off by more than rounding does not verify.
TEST(Reconstruct, WrongValueFails) {
    Harness h("MAX 2 2\nX Y\nPROFIT 2 3\nC1 1 1 <= 4\nC2 1 3 <= 6\n");
    solved(h);
    Store& s = h.store();
    BasisBounds b;
    ASSERT_TRUE(zep::detail::exact_basis_solution(s, b));
    EXPECT_EQ(b.objective.lo, -9.0);
    s.tab.a_mat[1][s.tab.rhs_col] += 0.5;
    EXPECT_FALSE(zep::detail::exact_basis_solution(s, b));
    s.tab.a_mat[1][s.tab.rhs_col] -= 0.5;
    s.tab.a_mat[0][3] += 0.25;
    EXPECT_FALSE(zep::detail::exact_basis_solution(s, b));
}

} // namespace
