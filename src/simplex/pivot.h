// The bounded ratio test and the Gauss-Jordan pivot.
#pragma once

#include "store/store.h"

namespace zep::detail {

void ratio_test(Store& s);
void pivot(Store& s);
void piv_tabl(Store& s);
void adjrhsin(Store& s);

} // namespace zep::detail
