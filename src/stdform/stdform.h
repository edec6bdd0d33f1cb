// Standard form: slack, surplus and artificial columns, the starting basis,
// the phase and the phase-1 row.
#pragma once

#include "input/names.h"
#include "store/store.h"

namespace zep::detail {

void setprob(Store& s);
int addslk(Store& s, NameIndex& names, const char* prefix, const char* label);
// The name table is full while the columns of row `row` are added.
[[noreturn]] void hit_max(Store& s, int code, int row);

} // namespace zep::detail
