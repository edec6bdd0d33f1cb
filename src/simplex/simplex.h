// The two-phase driver and pricing.
#pragma once

#include <vector>

#include "simplex/steps.h"
#include "store/store.h"

namespace zep::detail {

void simplex(Store& s);
// simplex, returning the steps it took.
std::vector<Step> recorded_simplex(Store& s);
void opt(Store& s);
void incoming(Store& s);
void outgoing(Store& s);
void infeas(Store& s);
void prt_stat(Store& s);
[[noreturn]] void err_exit(Store& s, int code);

} // namespace zep::detail
