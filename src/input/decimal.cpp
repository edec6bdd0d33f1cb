#include "input/decimal.h"

#include <charconv>
#include <system_error>

namespace zep {

namespace {

bool startsNumber(char c) {
    return (c >= '0' && c <= '9') || c == '.';
}

} // namespace

// Past an optional sign, a text that starts with a digit or a point can
// only be read as decimal notation, by std::from_chars and by strtod alike
// (no infinity, NaN or hexadecimal form starts so); where from_chars reads
// the whole text, strtod reads the same, and both round the value
// correctly, to the nearest double and to even on a tie. from_chars takes
// no plus sign; "+x" is x.
bool plainDecimal(const char* text, int len, double& value) {
    int start = len > 0 && (text[0] == '+' || text[0] == '-') ? 1 : 0;
    if (start >= len || !startsNumber(text[start])) return false;
    const char* first = text[0] == '+' ? text + 1 : text;
    double v;
    auto [end, ec] = std::from_chars(first, text + len, v, std::chars_format::general);
    if (ec != std::errc() || end != text + len) return false;
    value = v;
    return true;
}

} // namespace zep
