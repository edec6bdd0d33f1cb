// The check of every simplex outcome against the model as read, and the
// exact re-solve where the floating-point answer fails it.
#pragma once

#include "check/exact.h"
#include "store/store.h"

namespace zep::detail {

// The one tolerance of the check: a row of the answer's point may miss its
// right-hand side, a value may fall below zero, and the objective may miss
// the dual bound, each by at most this fraction of the sum of the
// magnitudes of the terms that make it up. Signs of reduced costs, dual
// values, Farkas combinations and rays have no tolerance at all.
constexpr double tol_check = 1e-9;

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

// Whether the outcome of the simplex is borne out by the model as read: an
// optimum by its point within tol_check and dual values that are exactly
// sign-correct, with no gap beyond tol_check; an infeasibility by a Farkas
// certificate; an unbounded end by its point and an exact ray. Where the
// floating-point tableau gives no such certificate, the exact tableau of
// the same basis is asked for one.
bool outcome_holds(const Store& s);

// The same, leaving in e the exact tableau of the store's basis when the
// check built one, for the re-solve to start from.
bool outcome_holds(const Store& s, ExactTableau& e);

} // namespace zep::detail
