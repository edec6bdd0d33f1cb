#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <random>
#include <string>

#include "check/certificate.h"
#include "check/enclosure.h"
#include "check/exact.h"
#include "input/form.h"
#include "mat_model.h"
#include "random_model.h"
#include "simplex/simplex.h"
#include "stdform/stdform.h"
#include "support.h"

namespace {

using zep::detail::BasisBounds;
using zep::detail::Interval;
using zep::detail::Store;
using zep::detail::testing::Harness;

bool holds(const Interval& v, const mpq_class& exact) {
    return mpq_class(v.lo) <= exact && exact <= mpq_class(v.hi);
}

// Model files of matrix form with numbers of every kind: zeros, whole
// numbers, eighths, full-precision values, tiny and large magnitudes.
std::string oddModel(zep::detail::testing::RandomModels& random) {
    int n = 1 + random.upTo(11), m = 1 + random.upTo(20);
    std::string text = std::string(random.upTo(1) ? "MAX " : "MIN ") + std::to_string(n) + " " +
                       std::to_string(m) + "\n";
    for (int j = 1; j <= n; j++) text += "X" + std::to_string(j) + " ";
    char number[40];
    auto add = [&](double v) {
        std::snprintf(number, sizeof number, " %.17g", v);
        text += number;
    };
    text += "\nOBJ";
    for (int j = 1; j <= n; j++) add(random.number());
    for (int r = 1; r <= m; r++) {
        text += "\nC" + std::to_string(r);
        for (int j = 1; j <= n; j++) add(random.number());
        static const char* const relations[] = {" <=", " >=", " ="};
        text += relations[random.upTo(2)];
        add(std::fabs(random.number()));
    }
    return text + "\n";
}

struct Tally {
    int bases = 0, bounded = 0;
};

// Wherever the bounds on the final basis are given, they hold its exact
// solution, as the exact tableau of the same basis has it: every value,
// and with the duals every dual value, reduced cost (of a column that is
// not artificial: the proofs read no other) and the objective.
void expectExactWithin(const std::string& text, Tally& t) {
    Harness h(text);
    Store& s = h.store();
    zep::detail::initParam(s);
    h.run([](Store& st) {
        zep::detail::readModel(st);
        zep::detail::setprob(st);
        zep::detail::simplex(st);
    });
    bool optimal = s.engine.end_stat == zep::Outcome::optimal;
    if (!zep::detail::only_non_negative(s) ||
        (!optimal && s.engine.end_stat != zep::Outcome::unbounded))
        return;
    t.bases++;
    BasisBounds b;
    if (!zep::detail::bound_basis(s, b, optimal)) return;
    zep::detail::ExactTableau e = zep::detail::exact_at_basis(s);
    ASSERT_TRUE(e.at_basis) << text;
    t.bounded++;
    for (int j = 1; j <= s.tab.last_col; j++) {
        mpq_class x = e.status[j] ? e.a[e.status[j]][0] : mpq_class(0);
        EXPECT_TRUE(holds(b.x[j], x)) << text << "value of column " << j;
        if (optimal && !s.tab.isart[j]) {
            EXPECT_TRUE(holds(b.d[j], e.a[0][j])) << text << "reduced cost " << j;
        }
    }
    if (!optimal) return;
    for (int r = 1; r <= s.model.num_cons; r++) {
        mpq_class y = -e.a[0][s.tab.added_col[r]] / zep::detail::addedSign(s, r);
        EXPECT_TRUE(holds(b.y[r], y)) << text << "dual value of row " << r;
    }
    EXPECT_TRUE(holds(b.objective, -e.a[0][0])) << text;
}

TEST(Enclosure, BoundsHoldTheExactSolutionOfTheBasis) {
    unsigned seed = zep::detail::testing::testSeed("ZEP_ENCLOSURE_SEED", 2207);
    zep::detail::testing::ShapedModels shaped(seed);
    std::mt19937 rng(seed);
    zep::detail::testing::RandomModels random(seed);
    const struct {
        const char* name;
        std::function<std::string()> next;
        int least_share; // percent of the bases that the bounds answer for
    } families[] = {
        {"shaped", [&] { return zep::detail::testing::matText(shaped.next()); }, 30},
        {"ordinary", [&] { return zep::detail::testing::ordinaryModel(rng); }, 90},
        {"odd numbers", [&] { return oddModel(random); }, 5},
    };
    for (const auto& family : families) {
        Tally t;
        for (int k = 0; k < 300; k++) expectExactWithin(family.next(), t);
        std::printf("%s: %d bases, bounded %d\n", family.name, t.bases, t.bounded);
        EXPECT_GE(t.bounded * 100, t.bases * family.least_share) << family.name;
    }
}

} // namespace
