// The check of every simplex outcome against the model as read, and the
// exact re-solve where the floating-point answer fails it.
#pragma once

#include "check/enclosure.h"
#include "check/exact.h"
#include "store/store.h"

namespace zep::detail {

// The marking line of an answer that came from the exact re-solve and
// prints differently from the floating-point one.
constexpr const char* exact_note =
    "Floating-point result failed its check; solved again in exact arithmetic";

// Every reduced cost c[j] - y A_j of a column j that is not artificial
// (model variables, slack and surplus columns, so that the sign of each
// dual value by its row's relation is among them) is at least zero, exactly
// for the model's numbers as written. c holds a cost per column (0 to
// last_col), y a dual value per constraint row (1 to num_cons).
bool duals_hold(const Store& s, const double* c, const double* y);

// u proves that no x >= 0 meets the rows: u A_j <= 0 for every column j
// that is not artificial, and u b > 0, exactly.
bool farkas_holds(const Store& s, const double* u);

// dx, one entry per model variable (1 to num_vars), is a ray of the model:
// dx >= 0, every row kept along it (A dx <= 0, >= 0 or = 0 by its relation)
// and the internal (minimising) objective falling, exactly.
bool ray_holds(const Store& s, const double* dx);

// How far the final tableau bears its outcome out, for the model as
// written and with no tolerance anywhere:
// - float_tableau: proven, and every value the outcome's report prints
//   from the tableau is the exact value's, rounded only for print. An
//   optimum: the basis's exact point meets every row and x >= 0, its exact
//   reduced costs are at least zero (so each dual value has its relation's
//   sign and the objective equals the dual bound), shown by rigorous bounds
//   around the tableau's values; an infeasibility: a Farkas certificate;
//   an unbounded end: the basis's exact point and an exact ray.
// - exact_tableau: an optimum proven by the exact tableau of the same
//   basis, which e then holds; the report prints from it.
// - none: the basis does not bear the outcome out; e holds the exact
//   tableau of the basis when the check built one, for the re-solve.
enum class Proof { float_tableau, exact_tableau, none };

// The bounds in b (from bound_basis or exact_basis_solution) show every
// basic value at least zero (an artificial one exactly zero) and every
// reduced cost of a column that is not artificial at least zero.
bool optimum_bounded(const Store& s, const BasisBounds& b);
Proof prove_outcome(const Store& s, ExactTableau& e);

// The outcome and the values its report prints, proven from the
// floating-point tableau.
bool outcome_holds(const Store& s);

// The same, leaving in e the exact tableau of the store's basis when the
// check built one.
bool outcome_holds(const Store& s, ExactTableau& e);

} // namespace zep::detail
