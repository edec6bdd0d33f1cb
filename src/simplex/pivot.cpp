// The bounded-variable ratio test and the Gauss-Jordan pivot.
#include "simplex/pivot.h"

#include <cmath>
#include <cstdio>

#include "simplex/artificial.h"
#include "simplex/simplex.h"
#include "store/print.h"

namespace zep::detail {

namespace {

// On a tie the earlier row stays, unless the later one's basic variable is
// artificial; under Bland's rule the smaller basic column wins instead. A
// row tied with the entering column's own bound beats it only when its
// basic variable is artificial, and never under Bland's rule.
bool acceptRow(const Store& s, int r, double ratio, double min_ratio, int best_row, bool bland) {
    if (ratio < min_ratio) return true;
    if (ratio != min_ratio) return false;
    if (!bland) return s.tab.isart[s.tab.basis_index[r]] != 0;
    int held = best_row < 0 ? -best_row : best_row;
    return held != 0 && s.tab.basis_index[r] < s.tab.basis_index[held];
}

const char* leavingName(const Store& s, int piv_row) {
    int leaving = s.tab.basis_index[piv_row];
    return s.tab.isart[leaving] ? "ARTIFICIAL" : s.tab.varname[leaving];
}

void moveToUpper(Store& s, int j) {
    double adj = s.tab.upperb[j];
    for (int r = 0; r <= s.tab.last_row; r++)
        s.tab.a_mat[r][s.tab.rhs_col] = s.tab.a_mat[r][s.tab.rhs_col] - s.tab.a_mat[r][j] * adj;
}

void boundFlip(Store& s, const Entering& in) {
    adjrhsin(s, in);
    int& status = s.tab.col_status[in.piv_col];
    if (status == 0)
        status = -1;
    else if (status == -1)
        status = 0;
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

Leaving ratio_test(Store& s, const Entering& in, bool bland) {
    // How far each row lets the entering column move, given its pivot-column
    // entry times direction (element): the ratio, with best_row +r when the
    // basic variable falls to 0, -r when it rises to its upper bound. The
    // loop reads the store only; what every row shares is read once.
    const auto& a = s.tab.a_mat;
    const int col = in.piv_col;
    const int rhs = s.tab.rhs_col;
    const double direction = in.direction;
    const double eps_ratio = s.tol.eps_ratio;
    double min_ratio = s.tab.upperb[col];
    Leaving out;
    for (int r = 1; r <= s.model.num_cons; r++) {
        double element = a[r][col] * direction;
        if (std::fabs(element) < eps_ratio) continue;
        double ratio;
        int ratio_row;
        if (element > 0) {
            ratio = a[r][rhs] / element;
            ratio_row = r;
        } else if (artificialRises(s, r, element)) {
            // An artificial must not rise: it leaves at once, a degenerate
            // step.
            ratio = 0;
            ratio_row = r;
        } else {
            ratio = (s.tab.upperb[s.tab.basis_index[r]] - a[r][rhs]) / (-element);
            ratio_row = -r;
        }
        if (acceptRow(s, r, ratio, min_ratio, out.best_row, bland)) {
            min_ratio = ratio;
            out.best_row = ratio_row;
        }
    }
    int piv_row = out.best_row < 0 ? -out.best_row : out.best_row;
    // A basic column limited by an upper bound it does not have: the step
    // has no end.
    if (out.best_row < 0 && s.tab.upperb[s.tab.basis_index[piv_row]] == s.tol.infinity)
        out.unbounded = true;
    if (piv_row != 0) {
        int leav_var = s.tab.basis_index[piv_row];
        s.tab.col_status[leav_var] = out.best_row > 0 ? 0 : -1;
    } else if (s.tab.upperb[in.piv_col] == s.tol.infinity) {
        out.unbounded = true;
    }
    return out;
}

void pivot(Store& s, const Entering& in, const Leaving& out) {
    if (out.best_row == 0) {
        boundFlip(s, in);
        return;
    }
    int piv_row = out.best_row < 0 ? -out.best_row : out.best_row;
    // An artificial that the step would raise leaves at 0 instead; the level
    // it held (at most eps_infe) is dropped so the entering column starts at
    // its bound rather than beyond it.
    if (artificialRises(s, piv_row, s.tab.a_mat[piv_row][in.piv_col] * in.direction))
        s.tab.a_mat[piv_row][s.tab.rhs_col] = 0;
    if (in.direction < 0) adjrhsin(s, in);
    if (s.opt.show_exchanges)
        print(s, "%s leaves and %s enters solution\n", leavingName(s, piv_row),
              s.tab.varname[in.piv_col]);
    int leaving = s.tab.basis_index[piv_row];
    piv_tabl(s, piv_row, in.piv_col);
    s.tab.basis_index[piv_row] = in.piv_col;
    s.tab.col_status[in.piv_col] = piv_row;
    // A column that leaves at its upper bound: the values of the new basis
    // are those with it there.
    if (out.best_row < 0) moveToUpper(s, leaving);
}

void piv_tabl(Store& s, int piv_row, int piv_col) {
    sweep(s.tab.a_mat, s.tab.last_row, s.tab.last_col + 1, piv_row, piv_col, s.tol.eps_pivot);
}

void adjrhsin(Store& s, const Entering& in) {
    double adj = s.tab.upperb[in.piv_col] * in.direction;
    for (int r = 0; r <= s.tab.last_row; r++)
        s.tab.a_mat[r][s.tab.rhs_col] =
            s.tab.a_mat[r][s.tab.rhs_col] - s.tab.a_mat[r][in.piv_col] * adj;
}

} // namespace zep::detail
