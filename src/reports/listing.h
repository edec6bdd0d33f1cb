// The model listing and its line composer.
#pragma once

#include "store/store.h"

namespace zep::detail {

// The scratch buffer in which showModel composes each piece of a line.
constexpr int term_size = 80;

void outTerm(Store& s, const char* text, int mode);
void makeTerm(Store& s, double v, int first, const char* name, char* out);
void outLhs(Store& s, int row, const double* coef, char* out);
void outRhs(Store& s, int row, char* out);
void showModel(Store& s);

} // namespace zep::detail
