// The command line, the usage text and the centred title.
#pragma once

#include "store/store.h"

namespace zep::detail {

int getArg(Store& s, int argc, char** argv);
void help(Store& s);
void version(Store& s);

} // namespace zep::detail
