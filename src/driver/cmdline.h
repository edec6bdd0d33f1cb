// The command line, the usage text and the centred title.
#pragma once

#include "store/store.h"

namespace zep::detail {

int getArg(Store& s, int argc, char** argv);
// One option letter of the command line, in either case.
void takeOption(Store& s, char letter);
// The title that heads a run once its model file is open.
void banner(Store& s);
void help(Store& s);
void version(Store& s);

} // namespace zep::detail
