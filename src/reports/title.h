// The centred title that heads the banner and every report.
#pragma once

#include "store/store.h"

namespace zep::detail {

// A newline, half of (width minus the title's length) blanks, the title and
// two newlines.
void ctitle(Store& s, const char* title, int width);

} // namespace zep::detail
