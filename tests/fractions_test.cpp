// The exact replay of the floating-point run's steps, against the exact
// re-solve and the library's fractions option.
#include <gtest/gtest.h>
#include <zep/zep.h>

#include <cstdio>
#include <vector>

#include "check/exact.h"
#include "fractions/replay.h"
#include "input/matrix.h"
#include "model_files.h"
#include "reports/ranging.h"
#include "simplex/simplex.h"
#include "stdform/stdform.h"
#include "support.h"

namespace {

using zep::detail::Store;
using zep::detail::testing::file_text;
using zep::detail::testing::Harness;
using zep::detail::testing::matrix_models;

// Wherever the replay of a run holds exactly and the exact re-solve from
// the run's last basis takes no step of its own, both must leave the same
// rational tableau: the replay is the exact arithmetic of the program's
// own steps.
TEST(Fractions, ReplayedFinalTableauEqualsTheExactResolve) {
    int compared = 0;
    for (const auto& file : matrix_models()) {
        Harness h(file_text(file));
        Store& s = h.store();
        zep::detail::initParam(s);
        std::vector<zep::detail::Step> steps;
        int status = h.run([&](Store& st) {
            zep::detail::generate2(st);
            zep::detail::setprob(st);
            zep::detail::simplex(st, &steps);
        });
        if (status >= 0) continue;
        zep::detail::Replay replayed = zep::detail::replay(s, steps);
        if (replayed.zero_step != 0 || !zep::detail::exactly_final(s, replayed.last)) continue;
        int float_pivots = s.engine.pivots;
        zep::detail::ExactTableau resolved = zep::detail::exact_at_basis(s);
        ASSERT_TRUE(resolved.at_basis) << file;
        zep::detail::exact_simplex(s, resolved);
        if (s.engine.pivots != float_pivots) continue;
        // The re-solve may hold a basic column in another row; the row of
        // each basic column must be the same.
        const zep::detail::ExactTableau& last = replayed.last;
        ASSERT_EQ(resolved.a.size(), last.a.size()) << file;
        for (std::size_t r = 0; r < last.a.size(); r++) {
            bool constraint = r >= 1 && r < last.basis.size();
            std::size_t k = constraint ? resolved.status[last.basis[r]] : r;
            ASSERT_EQ(resolved.a[k], last.a[r]) << file << " row " << r;
        }
        compared++;
    }
    std::printf("compared %d models\n", compared);
    EXPECT_GT(compared, 70);
}

// The ranging tables in fractions take their limits from the replayed
// tableau; wherever the replay holds, each limit's column is the one the
// decimal tables name and its digits are the ones they print.
TEST(Fractions, RangingLimitsAgreeWithTheDecimalTables) {
    int compared = 0;
    for (const auto& file : matrix_models()) {
        Harness h(file_text(file));
        Store& s = h.store();
        zep::detail::initParam(s);
        std::vector<zep::detail::Step> steps;
        int status = h.run([&](Store& st) {
            zep::detail::generate2(st);
            zep::detail::setprob(st);
            zep::detail::simplex(st, &steps);
        });
        if (status >= 0 || s.engine.end_stat != zep::Outcome::optimal) continue;
        zep::detail::Replay replayed = zep::detail::replay(s, steps);
        if (replayed.zero_step != 0 || !zep::detail::exactly_final(s, replayed.last)) continue;
        zep::detail::ExactRanging exact = zep::detail::exact_limits(s, replayed.last);
        zep::detail::Ranging decimal = zep::detail::final_ranging(s);
        auto same = [&](const zep::detail::ExactLimit& q, const zep::detail::Limit& d,
                        const char* format) {
            char want[64], got[64];
            std::snprintf(want, sizeof want, format, d.value);
            std::snprintf(got, sizeof got, format, zep::detail::nearest_double(q.value));
            return q.column == d.column && (d.column == 0 || std::string(want) == got);
        };
        for (std::size_t v = 0; v < exact.cost.size(); v++) {
            EXPECT_TRUE(same(exact.cost[v].upper, decimal.cost[v].upper, "%.3f")) << file;
            EXPECT_TRUE(same(exact.cost[v].lower, decimal.cost[v].lower, "%.3f")) << file;
        }
        for (std::size_t i = 0; i < exact.rhs.size(); i++) {
            EXPECT_TRUE(same(exact.rhs[i].upper, decimal.rhs[i].upper, "%.2f")) << file;
            EXPECT_TRUE(same(exact.rhs[i].lower, decimal.rhs[i].lower, "%.2f")) << file;
        }
        compared++;
    }
    std::printf("compared %d models\n", compared);
    EXPECT_GT(compared, 50);
}

// A pivot on an entry that is zero in exact arithmetic cannot be replayed.
TEST(Fractions, ReplayStopsAtAZeroPivot) {
    Harness h("MAX 2 2\nX Y\nPROFIT 2 3\nC1 1 1 <= 4\nC2 1 3 <= 6\n");
    Store& s = h.store();
    zep::detail::initParam(s);
    zep::detail::generate2(s);
    zep::detail::setprob(s);
    EXPECT_EQ(zep::detail::replay(s, {{2, 2, 2}, {2, 1, 2}}).zero_step, 2);
    zep::detail::Replay ok = zep::detail::replay(s, {{2, 2, 2}, {2, 1, 1}});
    EXPECT_EQ(ok.zero_step, 0);
    EXPECT_EQ(ok.last.a[0][0], 9);
    EXPECT_EQ(ok.last.a[1][3], mpq_class(3, 2));
}

TEST(Fractions, LibraryReportsInFractions) {
    zep::Model model = zep::read_model("MAX P) 4X + 3Y  A) 3X + Y <= 6  B) 2X + 3Y <= 9");
    zep::Answer plain = zep::solve(model);
    zep::Answer exact = zep::solve(model, {.fractions = true});
    EXPECT_NE(plain.report.find("MAX P = 11.5714"), std::string::npos) << plain.report;
    EXPECT_NE(exact.report.find("MAX P = 81/7"), std::string::npos) << exact.report;
    EXPECT_NE(exact.report.find("15/7"), std::string::npos);
    EXPECT_EQ(exact.objective, plain.objective);
}

// In this model the run's sixth pivot falls on an entry that exact
// arithmetic makes zero: the line says so, and the exact re-solve's report
// follows: the model is unbounded.
TEST(Fractions, ZeroPivotShowsTheExactResolve) {
    Harness h(file_text("tests/corpus-wide/wide-020.mat"));
    Store& s = h.store();
    s.opt.fractions = 1;
    zep::detail::initParam(s);
    ASSERT_EQ(h.run([](Store& st) { zep::detail::solve(st); }), -1);
    std::string text = h.output();
    std::size_t line = text.find("Step 6 pivots on an entry that is 0 in exact arithmetic; solved "
                                 "again in exact arithmetic\n");
    ASSERT_NE(line, std::string::npos) << text;
    EXPECT_EQ(s.engine.exact_tableau, 1);
    EXPECT_NE(text.find("UNBOUNDED PROBLEM", line), std::string::npos);
}

} // namespace
