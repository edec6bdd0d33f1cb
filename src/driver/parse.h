// The parse operation: algebraic model, standard form, model listing.
#pragma once

#include "store/store.h"

namespace zep::detail {

void parse(Store& s);
void parseRun(Store& s, int argc, char** argv);

} // namespace zep::detail
