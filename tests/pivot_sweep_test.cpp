// The vectorised Gauss-Jordan step against the textbook loops it replaces,
// bit for bit, over several steps on random dense and sparse tableaus with
// tiny entries, zeros of both signs, wide magnitudes and infinities (seed
// from ZEP_SWEEP_SEED, else fixed; printed).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>

#include "simplex/pivot.h"

namespace {

using zep::detail::Store;

// The step entry by entry, in the order the method states it.
void referencePivot(Store& s, int piv_row, int piv_col) {
    double piv = s.tab.a_mat[piv_row][piv_col];
    for (int c = 0; c <= s.tab.last_col; c++)
        s.tab.a_mat[piv_row][c] = s.tab.a_mat[piv_row][c] / piv;
    for (int r = 0; r <= s.tab.last_row; r++) {
        if (r == piv_row) continue;
        double elt = s.tab.a_mat[r][piv_col];
        for (int c = 0; c <= s.tab.last_col; c++) {
            if (c == piv_col) continue;
            s.tab.a_mat[r][c] = s.tab.a_mat[r][c] - s.tab.a_mat[piv_row][c] * elt;
            if (std::fabs(s.tab.a_mat[r][c]) < s.tol.eps_pivot) s.tab.a_mat[r][c] = 0;
        }
    }
    for (int r = 0; r <= s.tab.last_row; r++) s.tab.a_mat[r][piv_col] = 0;
    s.tab.a_mat[piv_row][piv_col] = 1;
}

double entry(std::mt19937_64& rng) {
    std::uniform_real_distribution<double> unit(-1, 1);
    switch (rng() % 8) {
    case 0:
        return 0.0;
    case 1:
        return -0.0;
    case 2:
        return unit(rng) * 1e-5; // around the flush threshold
    case 3:
        return unit(rng) * std::pow(10.0, static_cast<double>(rng() % 40) - 20);
    case 4:
        return static_cast<double>(static_cast<int>(rng() % 21) - 10);
    default:
        return unit(rng) * 100;
    }
}

// Mostly zeros, as the tableaus of sparse models are.
double sparseEntry(std::mt19937_64& rng) {
    return rng() % 3 == 0 ? entry(rng) : 0.0;
}

TEST(PivotSweep, StepsMatchTheTextbookStepBitForBit) {
    const char* fixed = std::getenv("ZEP_SWEEP_SEED");
    unsigned seed = fixed ? static_cast<unsigned>(std::strtoul(fixed, nullptr, 10)) : 4711;
    std::printf("pivot sweep seed %u (set ZEP_SWEEP_SEED=%u to repeat)\n", seed, seed);
    std::mt19937_64 rng(seed);
    auto s = std::make_unique<Store>();
    auto want = std::make_unique<Store>();
    s->tol.eps_pivot = 1e-5;
    for (int round = 0; round < 1000; round++) {
        s->tab.last_row = 1 + static_cast<int>(rng() % (zep::detail::tab_rows - 1));
        s->tab.last_col = 1 + static_cast<int>(rng() % zep::detail::max_names);
        bool sparse = rng() % 2;
        for (int r = 0; r <= s->tab.last_row; r++)
            for (int c = 0; c <= s->tab.last_col; c++)
                s->tab.a_mat[r][c] = sparse ? sparseEntry(rng) : entry(rng);
        *want = *s;
        for (int step = 0; step < 6; step++) {
            int piv_row = 1 + static_cast<int>(rng() % static_cast<unsigned>(s->tab.last_row));
            int piv_col = 1 + static_cast<int>(rng() % static_cast<unsigned>(s->tab.last_col));
            if (s->tab.a_mat[piv_row][piv_col] == 0) s->tab.a_mat[piv_row][piv_col] = 0.5;
            // An infinity in the pivot row turns every multiplier of 0 into NaN.
            if (rng() % 20 == 0)
                s->tab.a_mat[piv_row][rng() % static_cast<unsigned>(s->tab.last_col + 1)] =
                    INFINITY;
            std::memcpy(want->tab.a_mat, s->tab.a_mat, sizeof s->tab.a_mat);
            want->tab.last_row = s->tab.last_row;
            want->tab.last_col = s->tab.last_col;
            referencePivot(*want, piv_row, piv_col);
            zep::detail::piv_tabl(*s, piv_row, piv_col);
            ASSERT_EQ(std::memcmp(s->tab.a_mat, want->tab.a_mat, sizeof s->tab.a_mat), 0)
                << "seed " << seed << ", round " << round << ", step " << step;
        }
    }
}

} // namespace
