#include "check/digits.h"

#include <cmath>
#include <cstring>

#include "store/print.h"

namespace zep::detail {

namespace {

// Wide enough for any double under any width the reports use ("%lf" of
// 1e308 takes 316 characters).
constexpr int text_size = 400;

// -0 and +0 are the same end of an interval; the exact path prints +0.
double unsignedZero(double x) {
    return x == 0 ? 0.0 : x;
}

bool printed(char* text, const char* format, double x) {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    int n = compose(text, text_size, format, x);
#pragma GCC diagnostic pop
    return n >= 0 && n < text_size;
}

} // namespace

bool prints_same(const char* format, double lo, double hi) {
    if (!(lo <= hi)) return false;
    if (unsignedZero(lo) == unsignedZero(hi)) return true;
    char low[text_size], high[text_size];
    if (!printed(low, format, unsignedZero(lo)) || !printed(high, format, unsignedZero(hi)))
        return false;
    return std::strcmp(low, high) == 0;
}

bool prints_same_within(const char* format, double value, double error) {
    if (!(error >= 0) || !std::isfinite(value)) return false;
    // One step outward from each rounded end keeps the interval rigorous.
    double lo = std::nextafter(value - error, -HUGE_VAL);
    double hi = std::nextafter(value + error, HUGE_VAL);
    return prints_same(format, lo, hi);
}

} // namespace zep::detail
