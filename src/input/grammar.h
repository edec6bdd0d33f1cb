// The algebraic model reader.
#pragma once

#include "store/store.h"

namespace zep::detail {

void generate3(Store& s);
int checkLabel(Store& s);

} // namespace zep::detail
