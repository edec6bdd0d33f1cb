// The solve operation: model in either form, standard form, simplex, report.
#pragma once

#include <vector>

#include "simplex/steps.h"
#include "store/store.h"

namespace zep::detail {

// Returns the steps the simplex took where the fractions or the picture
// asked for them, else none.
std::vector<Step> solve(Store& s);

// The same for a model already in the store.
std::vector<Step> solve_read(Store& s);
void solveRun(Store& s, int argc, char** argv);

} // namespace zep::detail
