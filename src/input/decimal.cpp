#include "input/decimal.h"

#include <charconv>
#include <cstdint>
#include <system_error>

namespace zep::detail {

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
    // Up to 15 digits make an integer below 2^53, which a double holds
    // exactly: strtod's answer without a conversion.
    if (len - start <= 15) {
        std::uint64_t whole = 0;
        int i = start;
        for (; i < len && text[i] >= '0' && text[i] <= '9'; i++)
            whole = whole * 10 + static_cast<std::uint64_t>(text[i] - '0');
        if (i == len) {
            value = text[0] == '-' ? -static_cast<double>(whole) : static_cast<double>(whole);
            return true;
        }
    }
#ifdef ZEP_PORTABLE_NUMBERS
    // No floating-point from_chars: the caller's strtod reads it.
    return false;
#else
    const char* first = text[0] == '+' ? text + 1 : text;
    double v;
    auto [end, ec] = std::from_chars(first, text + len, v, std::chars_format::general);
    if (ec != std::errc() || end != text + len) return false;
    value = v;
    return true;
#endif
}

} // namespace zep::detail
