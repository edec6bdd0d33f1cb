// Whether a number known only to lie in an interval prints the same text
// wherever in the interval it lies: the test that lets a report print a
// floating-point value in place of the exact one.
#pragma once

namespace zep::detail {

// Whether every real x with lo <= x <= hi prints the same text under
// format, taken as printed through the double nearest to x (as the exact
// path prints it). format holds one conversion of a double (f, e, g or
// their capitals, with any flags, width and precision) and may hold text
// around it. A bound that is NaN or lo > hi gives false.
//
// Rounding to a fixed number of decimals or of significant digits is
// monotone in x, and so is rounding to the nearest double, so the text is
// the same throughout when it is the same at both ends. The one exception
// is zero's sign: an x of exactly 0 prints "0.000" but a tiny negative x
// "-0.000", so an end at zero counts as +0.
bool prints_same(const char* format, double lo, double hi);

// The same for a value with an error bound: |x - value| <= error.
bool prints_same_within(const char* format, double value, double error);

} // namespace zep::detail
