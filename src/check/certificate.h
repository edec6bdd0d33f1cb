// The pieces of a certificate's check: sums evaluated in floating point
// with a rigorous bound on their rounding, and the exact evaluation where
// the bound leaves a sign open.
#pragma once

#include <gmpxx.h>

#include <cmath>
#include <vector>

#include "store/store.h"

namespace zep::detail {

inline constexpr double unit_roundoff = 0x1p-53;
inline constexpr double smallest = 0x1p-1074;
inline constexpr int undecided = 2;

// A sum of terms evaluated in floating point, with a bound on its distance
// from the exact sum. A model term is the product of a number of the model
// (within half a unit in its last place of the decimal written, or 2^-1075
// for a subnormal) and an exact double v; the bound covers that, the
// rounding of each product and of the running sum (the classic bound, with
// room to spare), and underflow.
// Plain data, so that an array of them costs nothing until it is filled:
// start a single one as Sum{}.
struct Sum {
    double sum;
    double size;
    double weight; // the sum of |v| over the model terms
    int terms;
    bool lost; // a product of two non-zero numbers underflowed to zero

    // A term computed exactly, or with one rounding.
    void add(double t) {
        sum = sum + t;
        size = size + std::fabs(t);
        terms++;
    }
    void addModel(double a, double v) {
        double t = a * v;
        add(t);
        weight = weight + std::fabs(v);
        if (t == 0 && a != 0 && v != 0) lost = true;
    }
    // Where the rounding part is at least 2^-900 and the count below 2^50,
    // the underflow part (at most 2^-1022) is below half a unit in the last
    // place of the rounding part, so the sum is the rounding part exactly:
    // the same double, without multiplying by a subnormal, which costs
    // many processors a slow microcode step.
    double error() const {
        double rounding = (2.0 * terms + 8) * unit_roundoff * size;
        double count = weight + terms + 16;
        if (rounding >= 0x1p-900 && count < 0x1p50) return rounding;
        return rounding + count * 4 * smallest;
    }
    // -1, 0 or +1 where the bound settles the sign of the exact sum,
    // undecided where it does not.
    int sign() const {
        if (!std::isfinite(sum) || !std::isfinite(size) || !std::isfinite(weight)) return undecided;
        if (size == 0 && !lost) return 0;
        double e = error();
        if (sum > e) return 1;
        if (sum < -e) return -1;
        return undecided;
    }
    // The exact sum is surely within tol of the sum of the magnitudes.
    bool within(double tol) const {
        if (!std::isfinite(sum) || !std::isfinite(size) || !std::isfinite(weight)) return false;
        if (size == 0 && !lost) return true;
        return std::fabs(sum) + error() <= tol * size;
    }
};

// The entry of row r's own added column in that row: -1 for a surplus.
inline double addedSign(const Store& s, int r) {
    return s.tab.row_type[r] < 0 ? -1.0 : 1.0;
}

// The sign a reduced cost must have for the bound column j sits at: +1 at
// its lower bound or basic, -1 at its upper bound.
inline bool atUpper(const Store& s, int j) {
    return s.tab.col_status[j] == -1 && s.model.upper[j] != s.tol.infinity;
}
inline int boundSide(const Store& s, int j) {
    return atUpper(s, j) ? -1 : 1;
}

// The bound column j sits at, in the model's numbers; 0 for an added column.
inline double boundValue(const Store& s, int j) {
    if (atUpper(s, j)) return s.model.upper[j];
    return j <= s.model.num_vars ? s.model.lower[j] : 0;
}

// A ray keeps row r exactly where its slack or surplus has an upper bound
// (a ranged row) or there is none (an "=" row).
inline bool rayKeepsRowExactly(const Store& s, int r) {
    return s.tab.row_type[r] == 0 || s.model.upper[s.tab.added_col[r]] != s.tol.infinity;
}

// The sum over rows of w[r] (b[r] - A_r l), l each column's bound by
// boundSide: the bound that duals w prove, less its reduced-cost part.
Sum boundedRhs(const Store& s, const double* w, Sum sum = Sum{});
mpq_class exactBoundedRhs(const Store& s, const std::vector<mpq_class>& w);

// The entry of column j in row r of the model as read, the added columns'
// included.
inline double entryOf(const Store& s, int r, int j) {
    if (j <= s.model.num_vars) return s.model.a_read[r][j];
    return s.tab.row_type[r] != 0 && j == s.tab.added_col[r] ? addedSign(s, r) : 0;
}

// The reduced cost c[j] - y A_j of every column, each with its bound.
void reducedCosts(const Store& s, const double* c, const double* y, Sum* d);

// The reduced cost of column j, exactly for the model's numbers as written.
mpq_class exactReducedCost(const Store& s, const double* c, const double* y, int j);

// The ray conditions on an exact dx (one entry per model variable).
bool exactRayHolds(const Store& s, const std::vector<mpq_class>& dx);

} // namespace zep::detail
