// The bounded-variable ratio test and the Gauss-Jordan pivot.
#include "simplex/pivot.h"

#include <cmath>
#include <cstdio>

#include "simplex/artificial.h"
#include "simplex/simplex.h"
#include "store/print.h"

namespace zep::detail {

namespace {

// How far row r lets the entering column move, given its pivot-column
// entry times direction (element): the ratio, and ratio_row +r when its
// basic variable falls to 0, -r when it rises to its upper bound.
struct RowRatio {
    double ratio;
    int ratio_row;
};

RowRatio rowRatio(const Store& s, int r, double element) {
    if (element > 0) return {s.tab.a_mat[r][s.tab.rhs_col] / element, r};
    // An artificial must not rise: it leaves at once, a degenerate step.
    if (artificialRises(s, r, element)) return {0, r};
    return {(s.tab.upperb[s.tab.basis_index[r]] - s.tab.a_mat[r][s.tab.rhs_col]) / (-element), -r};
}

// On a tie the earlier row stays, unless the later one's basic variable is
// artificial; under Bland's rule the smaller basic column wins instead. A
// row tied with the entering column's own bound beats it only when its
// basic variable is artificial, and never under Bland's rule.
bool acceptRow(const Store& s, int r, double ratio, double min_ratio) {
    if (ratio < min_ratio) return true;
    if (ratio != min_ratio) return false;
    if (!s.engine.bland) return s.tab.isart[s.tab.basis_index[r]] != 0;
    int held = s.engine.best_row < 0 ? -s.engine.best_row : s.engine.best_row;
    return held != 0 && s.tab.basis_index[r] < s.tab.basis_index[held];
}

const char* leavingName(const Store& s) {
    int leaving = s.tab.basis_index[s.engine.piv_row];
    return s.tab.isart[leaving] ? "ARTIFICIAL" : s.tab.varname[leaving];
}

void moveToUpper(Store& s, int j) {
    double adj = s.tab.upperb[j];
    for (int r = 0; r <= s.tab.last_row; r++)
        s.tab.a_mat[r][s.tab.rhs_col] = s.tab.a_mat[r][s.tab.rhs_col] - s.tab.a_mat[r][j] * adj;
}

void boundFlip(Store& s) {
    adjrhsin(s);
    if (s.tab.col_status[s.engine.piv_col] == 0)
        s.tab.col_status[s.engine.piv_col] = -1;
    else if (s.tab.col_status[s.engine.piv_col] == -1)
        s.tab.col_status[s.engine.piv_col] = 0;
    else
        err_exit(s, 2);
}

// The Gauss-Jordan update of rows 0 to last_row and columns 0 to width - 1:
// every row but the pivot row loses elt times the divided pivot row, with
// entries below eps flushed to 0. The rows sweep the pivot column too, which
// ends as a unit vector: loops without exceptions, which the compiler
// vectorises, each entry computed exactly as on its own (no fused
// multiply-add, no reordering). Machines with AVX2 take the wider clone,
// chosen once when the program loads; other targets (WebAssembly) have the
// one build.
#if defined(__x86_64__)
#define SWEEP_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define SWEEP_CLONES
#endif
SWEEP_CLONES void sweep(double (*a)[tab_cols], int last_row, int width, int piv_row, int piv_col,
                        double eps) {
    double* __restrict pivot_row = a[piv_row];
    double piv_elem = pivot_row[piv_col];
    for (int c = 0; c < width; c++) pivot_row[c] = pivot_row[c] / piv_elem;
    for (int r = 0; r <= last_row; r++) {
        if (r == piv_row) continue;
        double* __restrict row = a[r];
        double elt = row[piv_col];
        for (int c = 0; c < width; c++) {
            double v = row[c] - pivot_row[c] * elt;
            row[c] = std::fabs(v) < eps ? 0.0 : v;
        }
        row[piv_col] = 0;
    }
    pivot_row[piv_col] = 1;
}

} // namespace

void ratio_test(Store& s) {
    double min_ratio = s.tab.upperb[s.engine.piv_col];
    s.engine.best_row = 0;
    for (int r = 1; r <= s.model.num_cons; r++) {
        double element = s.tab.a_mat[r][s.engine.piv_col] * s.engine.direction;
        if (std::fabs(element) < s.tol.eps_ratio) continue;
        RowRatio limit = rowRatio(s, r, element);
        if (acceptRow(s, r, limit.ratio, min_ratio)) {
            min_ratio = limit.ratio;
            s.engine.best_row = limit.ratio_row;
        }
    }
    // A basic column limited by an upper bound it does not have: the step
    // has no end.
    if (s.engine.best_row < 0 &&
        s.tab.upperb[s.tab.basis_index[-s.engine.best_row]] == s.tol.infinity) {
        s.engine.unbounded = 1;
        s.engine.end_stat = 3;
    }
    s.engine.piv_row = s.engine.best_row < 0 ? -s.engine.best_row : s.engine.best_row;
    if (s.engine.piv_row != 0) {
        int leav_var = s.tab.basis_index[s.engine.piv_row];
        s.tab.col_status[leav_var] = s.engine.best_row > 0 ? 0 : -1;
    } else if (s.tab.upperb[s.engine.piv_col] == s.tol.infinity) {
        s.engine.unbounded = 1;
        s.engine.end_stat = 3;
    }
}

void pivot(Store& s) {
    if (s.engine.best_row == 0) {
        boundFlip(s);
        return;
    }
    // An artificial that the step would raise leaves at 0 instead; the level
    // it held (at most eps_infe) is dropped so the entering column starts at
    // its bound rather than beyond it.
    if (artificialRises(s, s.engine.piv_row,
                        s.tab.a_mat[s.engine.piv_row][s.engine.piv_col] * s.engine.direction))
        s.tab.a_mat[s.engine.piv_row][s.tab.rhs_col] = 0;
    if (s.engine.best_col < 0) adjrhsin(s);
    if (s.opt.show_exchanges)
        print(s, "%s leaves and %s enters solution\n", leavingName(s),
              s.tab.varname[s.engine.piv_col]);
    int leaving = s.tab.basis_index[s.engine.piv_row];
    piv_tabl(s);
    s.tab.basis_index[s.engine.piv_row] = s.engine.piv_col;
    s.tab.col_status[s.engine.piv_col] = s.engine.piv_row;
    // A column that leaves at its upper bound: the values of the new basis
    // are those with it there.
    if (s.engine.best_row < 0) moveToUpper(s, leaving);
}

void piv_tabl(Store& s) {
    sweep(s.tab.a_mat, s.tab.last_row, s.tab.last_col + 1, s.engine.piv_row, s.engine.piv_col,
          s.tol.eps_pivot);
}

void adjrhsin(Store& s) {
    double adj = s.tab.upperb[s.engine.piv_col] * s.engine.direction;
    for (int r = 0; r <= s.tab.last_row; r++)
        s.tab.a_mat[r][s.tab.rhs_col] =
            s.tab.a_mat[r][s.tab.rhs_col] - s.tab.a_mat[r][s.engine.piv_col] * adj;
}

} // namespace zep::detail
