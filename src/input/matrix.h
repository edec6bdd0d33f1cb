// The matrix-form reader.
#pragma once

#include "store/store.h"

namespace zep {

void generate2(Store& s);

} // namespace zep
