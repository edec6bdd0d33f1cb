// The solve operation: model in either form, standard form, simplex, report.
#pragma once

#include "store/store.h"

namespace zep::detail {

void solve(Store& s);
void solveRun(Store& s, int argc, char** argv);

} // namespace zep::detail
