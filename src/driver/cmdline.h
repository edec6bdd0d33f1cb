// The command line, the usage text and the centred title.
#pragma once

#include "store/store.h"

namespace zep::detail {

int getArg(Store& s, int argc, char** argv);
// Refuses, before getArg reads the command line, a long option that the
// program does not act on (option is the word, or its start up to '='),
// rather than taking it and leaving it without effect; why_not completes
// "PROGRAM ..." and says where the option belongs.
void refuseOption(Store& s, int argc, char** argv, const char* option, const char* why_not);
// The model file's name, as the "Processing" line prints it; refused when
// too long to hold.
void takeFileName(Store& s, const char* name);
// One option letter of the command line, in either case.
void takeOption(Store& s, char letter);
// The title that heads a run once its model file is open.
void banner(Store& s);
void help(Store& s);
void version(Store& s);

} // namespace zep::detail
