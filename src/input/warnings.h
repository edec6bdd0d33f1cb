// The warnings the readers share: where a file is read differently from
// what its writer almost surely meant. Each keeps a note (store/failure.h).
#pragma once

#include "store/failure.h"

namespace zep::detail {

// The significant digits of a decimal number's text, from its first
// non-zero digit to its last (an exponent ends the count).
int significantDigits(const char* text, int len);

// A number whose decimal digits a double cannot hold.
void noteInexactNumber(Store& s, Place at, const char* text, int len);

// A relation written "=<" or "=>", which is read by its first character.
void noteRelationSpelling(Store& s, Place at, const char* relation);

// Variable k's name as the reports print it: cut to 8 characters in the
// summaries, alone or the same as an earlier variable's; and a name whose
// cut to the store's 12 characters gave way to another's ("~2").
void noteCutName(Store& s, Place at, int k);

// Row r's label as the reports print it: cut to 8 characters, or given way
// to another label's cut.
void noteCutLabel(Store& s, Place at, int r);

} // namespace zep::detail
