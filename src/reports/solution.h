// The outcome reports: optimal, infeasible, unbounded.
#pragma once

#include "store/store.h"

namespace zep::detail {

void out_opt(Store& s);
void out_infe(Store& s);
void infe_summ(Store& s);
void out_unbnd(Store& s);
void var_summ(Store& s);

} // namespace zep::detail
