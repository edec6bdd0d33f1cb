// The token scanner and the input-error exit.
#pragma once

#include "store/store.h"

namespace zep::detail {

void chset(Store& s);
int getTok(Store& s);
double tokValue(Store& s);
[[noreturn]] void errExit(Store& s, int n);

// The text of input error n.
const char* inputErrorText(int n);

} // namespace zep::detail
