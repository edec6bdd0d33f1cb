// The check of every simplex outcome against the model as read, and the
// exact re-solve where the floating-point answer fails it.
#pragma once

#include "store/store.h"

namespace zep {

// Each residual of the check may be at most this fraction of the sum of
// the magnitudes of the terms that make it up.
constexpr double tol_check = 1e-9;

// The marking line of an answer that came from the exact re-solve.
constexpr const char* exact_note =
    "Floating-point result failed its check; solved again in exact arithmetic";

// Keeps the model's coefficients and right-hand sides as read, before the
// simplex transforms a_mat; call right after generate2.
void keep_model(Store& s);

// Whether the outcome of the simplex is borne out by the model as read:
// an optimum by a feasible point and sign-correct duals with no gap, an
// infeasibility by a certificate from the phase-1 row, an unbounded end by
// a feasible point and an improving ray.
bool outcome_holds(const Store& s);

// Checks the outcome; where the check fails, solves again in exact
// arithmetic and writes the marking line (and, with option f, the final
// tableau again) before the report.
void verify(Store& s);

} // namespace zep
