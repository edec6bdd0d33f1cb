// The body of each program's main: the run, then its notes and any error
// on standard error, and the exit status.
#pragma once

#include "store/store.h"

namespace zep::detail {

using ProgramRun = void (*)(Store& s, int argc, char** argv);

int runProgram(int argc, char** argv, ProgramRun run);

} // namespace zep::detail
