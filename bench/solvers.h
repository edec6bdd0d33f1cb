// One solve of a benchmark model by each solver: zep from the model's
// matrix-form text in a fresh store, GLPK through its API.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

#include <glpk.h>

#include "driver/session.h"
#include "models.h"
#include "store/store.h"

namespace zep::detail::bench {

// Runs zep's solve on the text, with every report going to out, and
// returns the store as the solve left it.
std::unique_ptr<Session> zepSolve(const std::string& text, FILE* out);

// Reads the text into a fresh store, as solve does first.
std::unique_ptr<Session> zepRead(const std::string& text, FILE* out);

// What solve does after reading: the standard form and the simplex,
// without the report.
void zepEngine(Store& s);

// The objective value of an optimal end, in the model's own sense; NaN for
// any other end, an error's included.
double zepObjective(const Session& run);

// The model as a GLPK problem object, names included; the caller deletes
// it with glp_delete_prob.
glp_prob* glpkLoad(const Model& model);

// Loads and solves the model with GLPK's primal simplex, presolver and
// messages off; returns the optimal objective value, or NaN.
double glpkSolve(const Model& model);

} // namespace zep::detail::bench
