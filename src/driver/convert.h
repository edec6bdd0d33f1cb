// zep-convert: a model read in any of the four forms, written in another.
#pragma once

#include <cstdio>

#include "store/store.h"

namespace zep::detail {

// Reads the one model that the command line names and writes it to s.out
// in the form that --to asks for. Messages, notes and refusals go to
// messages, so that s.out holds nothing but the model.
void convertRun(Store& s, int argc, char** argv, std::FILE* messages);

} // namespace zep::detail
