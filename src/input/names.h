// The name table: column names to column numbers, find-or-add.
#pragma once

#include "store/store.h"

namespace zep {

int findname(Store& s, const char* name);
int putname(Store& s, const char* name);
int nameNum(Store& s);

} // namespace zep
