// The command-line run: options, defaults, reader, standard form, tableau.
#pragma once

#include "store/store.h"

namespace zep::detail {

void commandLineRun(Store& s, int argc, char** argv);

} // namespace zep::detail
