#include "reports/tableau_bounds.h"

#include <bit>
#include <cstdint>
#include <cstring>

#include "check/certificate.h"
#include "simplex/artificial.h"

namespace zep::detail {

namespace {

// Bounds of a few roundings each: a computed bound times grow stays a bound.
constexpr double grow = 1 + 0x1p-40;

// The significant bits of a normal double; 64 for any other, so that a
// product with it never counts as exact.
int significantBits(double x) {
    if (x == 0) return 0;
    if (!std::isnormal(x)) return 64;
    std::uint64_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    std::uint64_t mantissa = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
    return 53 - std::countr_zero(mantissa);
}

// A sum with its rounding bound, which also notes whether every product
// and addition in it was exact, each model number a whole number (whose
// decimal is the double itself): then the sum is exact, its bound 0 beyond
// its own value. Small whole-number models keep many tableau columns exact
// this way, and their zeros prove to be zeros.
struct Tracked {
    Sum sum{};
    bool exact = true;

    // Once a term is inexact the sum is, and the tests are skipped.
    void add(double t) {
        double before = sum.sum;
        sum.add(t);
        if (exact) noteSum(before, t);
    }
    void addModel(double a, double v) {
        double before = sum.sum;
        sum.addModel(a, v);
        if (!exact) return;
        double p = a * v;
        if (a != std::trunc(a) || std::fabs(a) >= 0x1p53 ||
            significantBits(a) + significantBits(v) > 53 || (p != 0 && !std::isnormal(p)))
            exact = false;
        else
            noteSum(before, p);
    }
    // Knuth's two-sum: the rounding error of before + t is zero.
    void noteSum(double before, double t) {
        double s = sum.sum;
        double bb = s - before;
        if ((before - (s - bb)) + (t - bb) != 0) exact = false;
    }
    double bound() const {
        if (!std::isfinite(sum.sum) || !std::isfinite(sum.size)) return HUGE_VAL;
        if (sum.size == 0 && !sum.lost) return 0;
        if (exact && !sum.lost) return std::fabs(sum.sum);
        return (std::fabs(sum.sum) + sum.error()) * grow;
    }
};

// Entry (l, j) of [b A] as the standard form lays it out, added to sum
// times v: a model number or an exact 0, 1 or -1.
void addEntry(const Store& s, Tracked& sum, int l, int j, double v) {
    if (j == 0) {
        sum.addModel(s.model.rrhs[l], v);
    } else if (j <= s.model.num_vars) {
        if (s.model.a_read[l][j] != 0) sum.addModel(s.model.a_read[l][j], v);
    } else if (s.tab.added_col[l] == j) {
        sum.add(s.tab.row_type[l] < 0 ? -v : v);
    } else if (s.tab.art_col[l] == j) {
        sum.add(v);
    }
}

} // namespace

bool TableauBounds::start() {
    for (int k = 1; k <= m; k++)
        for (int i = 1; i <= m; i++) {
            int start = s.tab.art_col[i] ? s.tab.art_col[i] : s.tab.added_col[i];
            r[k][i] = s.tab.a_mat[k][start];
        }
    // A basic slack, surplus or artificial column has its one entry in
    // the row it belongs to: the sum over the rows has that one term.
    int owner[tab_cols] = {};
    for (int l = 1; l <= m; l++) {
        owner[s.tab.added_col[l]] = l;
        owner[s.tab.art_col[l]] = l;
    }
    owner[0] = 0;
    // The rows of the basic columns with an entry in row l, in order.
    for (int l = 1; l <= m; l++) {
        in_row_count[l] = 0;
        for (int k = 1; k <= m; k++) {
            int j = s.tab.basis_index[k];
            bool entry = j > s.model.num_vars ? owner[j] == l : s.model.a_read[l][j] != 0;
            if (entry) in_row[l][in_row_count[l]++] = k;
        }
    }
    double worst = 0;
    for (int k = 1; k <= m; k++) {
        erow[k] = 0;
        for (int i = 1; i <= m; i++) {
            Tracked e;
            if (k == i) e.add(-1.0);
            int j = s.tab.basis_index[i];
            int l = j > s.model.num_vars ? owner[j] : 0;
            if (l != 0) {
                if (r[k][l] != 0) addEntry(s, e, l, j, r[k][l]);
            } else {
                for (l = 1; l <= m; l++)
                    if (r[k][l] != 0) addEntry(s, e, l, j, r[k][l]);
            }
            erow[k] = erow[k] + e.bound();
        }
        erow[k] = erow[k] * grow;
        worst = std::fmax(worst, erow[k]);
    }
    rho = worst;
    return rho < 0.5;
}

bool TableauBounds::column(int j) {
    double res[tab_rows];
    for (int l = 1; l <= m; l++) {
        Tracked sum;
        addEntry(s, sum, l, j, 1.0);
        for (int n = 0; n < in_row_count[l]; n++) {
            int k = in_row[l][n];
            if (s.tab.a_mat[k][j] != 0)
                addEntry(s, sum, l, s.tab.basis_index[k], -s.tab.a_mat[k][j]);
        }
        res[l] = sum.bound();
    }
    double rr[tab_rows], norm = 0;
    for (int k = 1; k <= m; k++) {
        double t = 0;
        for (int l = 1; l <= m; l++) t = t + std::fabs(r[k][l]) * res[l];
        rr[k] = t * (1 + (m + 4) * 0x1p-52);
        norm = std::fmax(norm, rr[k]);
    }
    double spread = norm / (1 - rho) * grow;
    for (int k = 1; k <= m; k++) err[k][j] = (rr[k] + erow[k] * spread) * grow;
    // Row 0: a_mat[0][j] less c_j - c_B x, with c_B's share of the
    // entries' errors.
    Tracked d;
    d.add(s.tab.a_mat[0][j]);
    if (j >= 1 && j <= s.model.num_vars) d.addModel(s.tab.cost[j], -s.model.z_mult);
    double share = 0;
    for (int k = 1; k <= m; k++) {
        int b = s.tab.basis_index[k];
        if (b > s.model.num_vars || s.tab.cost[b] == 0) continue;
        if (s.tab.a_mat[k][j] != 0) d.addModel(s.tab.cost[b], s.model.z_mult * s.tab.a_mat[k][j]);
        share = share + std::fabs(s.tab.cost[b]) * (1 + 0x1p-52) * err[k][j];
    }
    err[0][j] = (d.bound() + share * (1 + (m + 4) * 0x1p-52)) * grow;
    for (int k = 0; k <= m; k++)
        if (!std::isfinite(err[k][j])) return false;
    return j == 0 || !artificialBasic(s) || phase1Column(j);
}

// The phase-1 row, which the pivots carry along, is c1_j less the sum
// of the column's entries in the rows of basic artificials (c1 is 1
// for an artificial column, 0 for any other).
bool TableauBounds::phase1Column(int j) {
    int p1 = s.tab.ph1_row;
    if (p1 != m + 1) return false;
    Tracked d;
    d.add(s.tab.a_mat[p1][j]);
    if (s.tab.isart[j]) d.add(-1.0);
    double share = 0;
    for (int k = 1; k <= m; k++) {
        if (!s.tab.isart[s.tab.basis_index[k]]) continue;
        if (s.tab.a_mat[k][j] != 0) d.add(s.tab.a_mat[k][j]);
        share = share + err[k][j];
    }
    err[p1][j] = (d.bound() + share * (1 + (m + 4) * 0x1p-52)) * grow;
    return std::isfinite(err[p1][j]);
}

} // namespace zep::detail
