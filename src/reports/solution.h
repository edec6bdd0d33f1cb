// The outcome reports: optimal, infeasible, unbounded.
#pragma once

#include "check/exact.h"
#include "store/store.h"

namespace zep::detail {

// exact, where given, is the exact tableau of the store's basis, which the
// ranging tables read where the floating-point bounds leave them open.
void out_opt(Store& s, const ExactTableau* exact);
void out_opt(Store& s);
void out_infe(Store& s);
void infe_summ(Store& s);
void out_unbnd(Store& s);
void var_summ(Store& s);

// The optimal and infeasibility reports with every value in exact
// fractions, read off the exact tableau e of the store's final basis, the
// ranging tables (option r) too.
void out_opt(Store& s, const ExactTableau& e);
void out_infe(Store& s, const ExactTableau& e);

} // namespace zep::detail
