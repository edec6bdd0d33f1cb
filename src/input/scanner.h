// The token scanner and the input-error exit.
#pragma once

#include <string>

#include "store/failure.h"
#include "store/store.h"

namespace zep::detail {

void chset(Store& s);
int getTok(Store& s);
double tokValue(Store& s);
[[noreturn]] void errExit(Store& s, int n);

// Input error n, reported as errExit reports it, with the place and a
// detail (none when empty) for the locating line.
[[noreturn]] void inputError(Store& s, int n, Place at, const std::string& detail);

} // namespace zep::detail
