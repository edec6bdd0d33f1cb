// The matrix-form reader.
#pragma once

#include "store/store.h"

namespace zep::detail {

void generate2(Store& s);

// Whether the file, read from where it stands, starts as a matrix-form
// model: its second word reads as the number of variables, or it holds no
// second word. Consumes what it reads.
bool startsAsMatrix(Store& s);

} // namespace zep::detail
