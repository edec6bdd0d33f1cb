// The name table: column names to column numbers, find-or-add.
#pragma once

#include "store/store.h"

namespace zep::detail {

int findname(Store& s, const char* name);
int putname(Store& s, const char* name);
int nameNum(Store& s, const char* name);

// A variable may not take the name that the standard form gives a column it
// adds (SLK:, SRP: or ART: and a row's label), or names and column numbers
// would part ways: the first variable of the model as read that does, or 0.
int addedNameClash(const Store& s);

} // namespace zep::detail
