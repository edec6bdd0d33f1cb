// Exact conversion of plain decimal numbers, at a fraction of strtod's cost.
#pragma once

namespace zep::detail {

// Reads the whole of text[0, len) as a number when it is plain decimal
// notation (an optional sign, digits with at most one point, an optional
// exponent) and gives exactly the double strtod gives for it. Returns false
// for every other text, where from_chars reports the value out of range,
// and, where there is no floating-point from_chars (ZEP_PORTABLE_NUMBERS),
// for every number but a whole one of up to 15 digits; the caller then asks
// strtod, which settles those.
bool plainDecimal(const char* text, int len, double& value);

} // namespace zep::detail
