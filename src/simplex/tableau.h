// The tableau dump, in blocks of printcols columns.
#pragma once

#include "store/store.h"

namespace zep::detail {

constexpr int printcols = 50;

void tableau(Store& s);

} // namespace zep::detail
