// The bounded-variable ratio test and the Gauss-Jordan pivot.
#include "simplex/pivot.h"

#include <cmath>
#include <cstdio>

#include "simplex/artificial.h"
#include "simplex/simplex.h"
#include "store/print.h"

namespace zep {

namespace {

// Sets ratio and ratio_row for row r from the element already computed: +r
// when its basic variable falls to 0, -r when it rises to its upper bound.
void rowRatio(Store& s, int r) {
    if (s.element > 0) {
        s.ratio = s.a_mat[r][s.rhs_col] / s.element;
        s.ratio_row = r;
    } else if (artificialRises(s, r, s.element)) {
        // An artificial must not rise: it leaves at once, a degenerate step.
        s.ratio = 0;
        s.ratio_row = r;
    } else {
        s.ratio = (s.upperb[s.basis_index[r]] - s.a_mat[r][s.rhs_col]) / (-s.element);
        s.ratio_row = -r;
    }
}

// On a tie the earlier row stays, unless the later one's basic variable is
// artificial; under Bland's rule the smaller basic column wins instead. A
// row tied with the entering column's own bound beats it only when its
// basic variable is artificial, and never under Bland's rule.
bool acceptRow(const Store& s, int r) {
    if (s.ratio < s.min_ratio) return true;
    if (s.ratio != s.min_ratio) return false;
    if (!s.bland) return s.isart[s.basis_index[r]] != 0;
    int held = s.best_row < 0 ? -s.best_row : s.best_row;
    return held != 0 && s.basis_index[r] < s.basis_index[held];
}

const char* leavingName(const Store& s) {
    int leaving = s.basis_index[s.piv_row];
    return s.isart[leaving] ? "ARTIFICIAL" : s.varname[leaving];
}

void boundFlip(Store& s) {
    adjrhsin(s);
    if (s.col_status[s.piv_col] == 0)
        s.col_status[s.piv_col] = -1;
    else if (s.col_status[s.piv_col] == -1)
        s.col_status[s.piv_col] = 0;
    else
        err_exit(s, 2);
}

// The Gauss-Jordan update of rows 0 to last_row and columns 0 to width - 1:
// every row but the pivot row loses elt times the divided pivot row, with
// entries below eps flushed to 0. The rows sweep the pivot column too, which
// ends as a unit vector: loops without exceptions, which the compiler
// vectorises, each entry computed exactly as on its own (no fused
// multiply-add, no reordering). Machines with AVX2 take the wider clone,
// chosen once when the program loads.
__attribute__((target_clones("avx2", "default"))) void
sweep(double (*a)[tab_cols], int last_row, int width, int piv_row, int piv_col, double eps) {
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
    s.min_ratio = s.upperb[s.piv_col];
    s.best_row = 0;
    for (int r = 1; r <= s.num_cons; r++) {
        s.element = s.a_mat[r][s.piv_col] * s.direction;
        if (std::fabs(s.element) < s.eps_ratio) continue;
        rowRatio(s, r);
        if (acceptRow(s, r)) {
            s.min_ratio = s.ratio;
            s.best_row = s.ratio_row;
        }
    }
    if (s.best_row < 0) {
        s.unbounded = 1;
        s.end_stat = 3;
    }
    s.piv_row = s.best_row < 0 ? -s.best_row : s.best_row;
    if (s.piv_row != 0) {
        s.leav_var = s.basis_index[s.piv_row];
        s.col_status[s.leav_var] = s.best_row > 0 ? 0 : -1;
    } else if (s.upperb[s.piv_col] == s.infinity) {
        s.unbounded = 1;
        s.end_stat = 3;
    }
}

void pivot(Store& s) {
    if (s.best_row == 0) {
        boundFlip(s);
        return;
    }
    // An artificial that the step would raise leaves at 0 instead; the level
    // it held (at most eps_infe) is dropped so the entering column starts at
    // its bound rather than beyond it.
    if (artificialRises(s, s.piv_row, s.a_mat[s.piv_row][s.piv_col] * s.direction))
        s.a_mat[s.piv_row][s.rhs_col] = 0;
    if (s.best_col < 0) adjrhsin(s);
    if (s.show_exchanges)
        print(s, "%s leaves and %s enters solution\n", leavingName(s), s.varname[s.piv_col]);
    piv_tabl(s);
    s.basis_index[s.piv_row] = s.piv_col;
    s.col_status[s.piv_col] = s.piv_row;
}

void piv_tabl(Store& s) {
    s.piv_elem = s.a_mat[s.piv_row][s.piv_col];
    int last = s.last_row == s.piv_row ? s.last_row - 1 : s.last_row;
    s.elt = last >= 0 ? s.a_mat[last][s.piv_col] : 0;
    sweep(s.a_mat, s.last_row, s.last_col + 1, s.piv_row, s.piv_col, s.eps_pivot);
}

void adjrhsin(Store& s) {
    s.adj = s.upperb[s.piv_col] * s.direction;
    for (int r = 0; r <= s.last_row; r++)
        s.a_mat[r][s.rhs_col] = s.a_mat[r][s.rhs_col] - s.a_mat[r][s.piv_col] * s.adj;
}

} // namespace zep
