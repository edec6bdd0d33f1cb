#include "check/digits.h"

#include <cmath>
#include <cstring>

#include "check/steps.h"
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

// The precision of a format that is one fixed conversion of at most nine
// decimals ("%16.4lf", text after it allowed), or -1 for any other.
int fixedPlaces(const char* format) {
    if (format[0] != '%') return -1;
    const char* c = format + 1;
    while (*c == '-' || (*c >= '0' && *c <= '9')) c++;
    if (c[0] != '.' || c[1] < '0' || c[1] > '9') return -1;
    int places = c[1] - '0';
    c += 2;
    if (*c == 'l') c++;
    return *c == 'f' ? places : -1;
}

constexpr double power_of_ten[10] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};

// Same text (1), different (0), or undecided (-1) by the rounding of lo
// and hi to places decimals, without printing: each end is a double, x
// times 10^places is computed within one rounding, and where both ends lie
// clear of a half their rounded integers decide. Near zero the sign does:
// -0.0001 prints "-0.000".
int sameFixed(int places, double lo, double hi) {
    double low = lo * power_of_ten[places], high = hi * power_of_ten[places];
    if (!(std::fabs(low) < 0x1p50 && std::fabs(high) < 0x1p50)) return -1;
    double clear = 0.5 - (std::fabs(low) + std::fabs(high) + 1) * 0x1p-50;
    double n_low = std::nearbyint(low), n_high = std::nearbyint(high);
    if (!(std::fabs(low - n_low) < clear && std::fabs(high - n_high) < clear)) return -1;
    if (n_low != n_high) return 0;
    return n_low != 0 || (lo < 0) == (hi < 0) ? 1 : 0;
}

} // namespace

bool prints_same(const char* format, double lo, double hi) {
    if (!(lo <= hi)) return false;
    lo = unsignedZero(lo);
    hi = unsignedZero(hi);
    if (lo == hi) return true;
    if (int places = fixedPlaces(format); places >= 0) {
        int same = sameFixed(places, lo, hi);
        if (same >= 0) return same == 1;
    }
    char low[text_size], high[text_size];
    if (!printed(low, format, lo) || !printed(high, format, hi)) return false;
    return std::strcmp(low, high) == 0;
}

bool prints_same_within(const char* format, double value, double error) {
    if (!(error >= 0) || !std::isfinite(value)) return false;
    // One step outward from each rounded end keeps the interval rigorous.
    double lo = nextDown(value - error);
    double hi = nextUp(value + error);
    return prints_same(format, lo, hi);
}

} // namespace zep::detail
