// The exact solution of the final basis by rational reconstruction: the
// tableau's basic values and dual values taken as the nearest fractions of
// small denominator, and kept only where they satisfy B x = b and
// y B = c_B exactly, in integer arithmetic on the model's decimals scaled
// to whole numbers. Where it succeeds every sign is exact, exact zeros
// included, which no interval around the doubles can show; it costs one
// pass over the model, where the exact tableau costs a rational pivot per
// basic column.
#pragma once

#include "check/enclosure.h"
#include "check/exact.h"
#include "store/store.h"

namespace zep::detail {

// Fills b with the exact solution of the store's basis (the basic values,
// the dual values, every reduced cost and the objective, in the internal
// minimising sense), each as the interval [n, n] of the double n nearest
// to it: n has its sign and prints as it does. A point of the basis's
// columns that meets B x = b and duals that meet y B = c_B, so that with
// x >= 0 and every reduced cost >= 0 the pair is optimal and the
// objective equals the dual bound. False where the fractions are not
// found, do not verify or do not fit in 64 bits, and for a model that is
// not only x >= 0 (bounds, shifts, free variables, ranged rows): then
// nothing is decided.
bool exact_basis_solution(const Store& s, BasisBounds& b);

// The exact tableau of the store's basis, its rows in the store's order:
// each column of the floating-point tableau reconstructed as fractions
// over one denominator and kept only where B times it is the model's
// column exactly, the objective rows carried from their starting weights
// (w less w_B times the column). One pass over the model per column where
// the pivots take a rational step per basic column. False where a column
// is not found or does not verify, or the model is not only x >= 0.
bool reconstructed_tableau(const Store& s, ExactTableau& e);

} // namespace zep::detail
