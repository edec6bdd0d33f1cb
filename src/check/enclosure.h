// Rigorous bounds on the exact solution of the final basis, worked out in
// floating point: the basic values, dual values, reduced costs and
// objective that the model as written gives for the basis of the store's
// tableau, each within an interval around the tableau's own values.
#pragma once

#include "store/store.h"

namespace zep::detail {

// An interval that holds an exact value.
struct Interval {
    double lo;
    double hi;
};

// Plain data, filled by bound_basis. Values and reduced costs per column
// (1 to last_col), dual values per constraint row (1 to num_cons), all in
// the internal (minimising) sense; a nonbasic column's value and a basic
// column's reduced cost are exactly 0.
struct BasisBounds {
    Interval x[tab_cols];
    Interval d[tab_cols];
    Interval y[tab_rows];
    Interval objective;
};

// Bounds the exact solution of the store's basis (x = B^-1 b and, with
// duals, y = B^-T c_B and the reduced costs c - A^T y) from the residuals
// of the tableau's solution and the tableau's own inverse of the part of
// B that needs one, C, the basic model columns in the rows whose slack or
// surplus is nonbasic: with R that inverse and ||I - R C|| = alpha < 1/2,
// ||C^-1|| is at most ||R|| / (1 - alpha). False where it cannot: an artificial column is
// basic (its exact level, zero or not, no interval can show), or R is too
// far from the inverse; and, before the inverse is worked out, where the
// bounds could not show what every proof needs of them: a basic value of
// the tableau at or below zero, or (with duals) a reduced cost of a
// nonbasic column that is not artificial at or below zero at the
// tableau's duals, since an interval around such a value reaches below
// zero.
bool bound_basis(const Store& s, BasisBounds& b, bool duals);

} // namespace zep::detail
