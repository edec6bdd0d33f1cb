#include "input/decimal.h"

#include <charconv>
#include <system_error>

namespace zep {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The number of digits from text[i] on.
int digitsAt(const char* text, int len, int i) {
    int start = i;
    while (i < len && isDigit(text[i])) i++;
    return i - start;
}

// Whether text[start, len) is digits with at most one point (at least one
// digit) and an optional exponent with at least one digit.
bool plainForm(const char* text, int len, int start) {
    int i = start;
    int whole = digitsAt(text, len, i);
    i += whole;
    int fraction = 0;
    if (i < len && text[i] == '.') {
        fraction = digitsAt(text, len, i + 1);
        i += 1 + fraction;
    }
    if (whole + fraction == 0) return false;
    if (i < len && (text[i] == 'e' || text[i] == 'E')) {
        i++;
        if (i < len && (text[i] == '+' || text[i] == '-')) i++;
        int exponent = digitsAt(text, len, i);
        if (exponent == 0) return false;
        i += exponent;
    }
    return i == len;
}

} // namespace

// std::from_chars and strtod both round the decimal value correctly, to
// the nearest double and to even on a tie, so they agree wherever both
// read the whole text. from_chars takes no plus sign; "+x" is x.
bool plainDecimal(const char* text, int len, double& value) {
    int start = len > 0 && (text[0] == '+' || text[0] == '-') ? 1 : 0;
    if (!plainForm(text, len, start)) return false;
    const char* first = text[0] == '+' ? text + 1 : text;
    double v;
    auto [end, ec] = std::from_chars(first, text + len, v, std::chars_format::general);
    if (ec != std::errc() || end != text + len) return false;
    value = v;
    return true;
}

} // namespace zep
