// The portable path of double_text.h: printf's conversions, which are
// correctly rounded as to_chars's are, and for the shortest form a search
// for the fewest digits that strtod reads back as the value.
#include "store/double_text.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace zep::detail::portable {

namespace {

// Copies the text of n characters in from into [first, last), cut where it
// does not fit, as to_chars leaves what fits.
char* copyOut(char* first, char* last, const char* from, int n) {
    std::size_t room = static_cast<std::size_t>(last - first);
    std::size_t size = n < 0 ? 0 : static_cast<std::size_t>(n);
    if (size > room) size = room;
    std::memcpy(first, from, size);
    return first + size;
}

// A positive decimal: the integer digits times ten to the power exponent.
struct Decimal {
    std::uint64_t digits = 0;
    int exponent = 0;
};

bool readsBackAs(Decimal d, double v) {
    char text[48];
    std::snprintf(text, sizeof text, "%llue%d", static_cast<unsigned long long>(d.digits),
                  d.exponent);
    return std::strtod(text, nullptr) == v;
}

// The decimal of n significant digits nearest to v > 0, as %e rounds it.
Decimal nearest(double v, int n) {
    char text[48];
    std::snprintf(text, sizeof text, "%.*e", n - 1, v);
    Decimal d;
    const char* p = text;
    for (; *p != 'e'; p++)
        if (*p != '.') d.digits = d.digits * 10 + static_cast<std::uint64_t>(*p - '0');
    d.exponent = std::atoi(p + 1) - (n - 1);
    return d;
}

// The fewest significant digits that read back as v > 0. Of the decimals
// of that many digits, the nearest reads back unless v is a power of two,
// whose lower neighbour is nearer than its upper: then the one on v's
// other side is the only candidate.
Decimal shortest(double v) {
    for (int n = 1;; n++) {
        Decimal d = nearest(v, n);
        if (readsBackAs(d, v)) return d;
        Decimal up{d.digits + 1, d.exponent};
        if (readsBackAs(up, v)) return up;
        Decimal down{d.digits - 1, d.exponent};
        if (d.digits > 1 && readsBackAs(down, v)) return down;
    }
}

// The digits of d without trailing zeros, and the power of ten of the
// first digit.
int digitText(Decimal d, char* text, int& first_power) {
    while (d.digits % 10 == 0) {
        d.digits /= 10;
        d.exponent++;
    }
    int n = std::snprintf(text, 24, "%llu", static_cast<unsigned long long>(d.digits));
    first_power = d.exponent + n - 1;
    return n;
}

int scientific(char* out, const char* digits, int n, int power) {
    int len = 0;
    out[len++] = digits[0];
    if (n > 1) {
        out[len++] = '.';
        std::memcpy(out + len, digits + 1, static_cast<std::size_t>(n - 1));
        len += n - 1;
    }
    return len + std::snprintf(out + len, 16, "e%c%02d", power < 0 ? '-' : '+', std::abs(power));
}

// Fixed notation of n digits whose first stands at ten to the power,
// where no zeros pad them (power < n).
int fixed(char* out, const char* digits, int n, int power) {
    int whole = power + 1; // digits before the point
    int len = 0;
    if (whole <= 0) {
        out[len++] = '0';
        out[len++] = '.';
        std::memset(out + len, '0', static_cast<std::size_t>(-whole));
        len += -whole;
        std::memcpy(out + len, digits, static_cast<std::size_t>(n));
        return len + n;
    }
    if (whole == n) {
        std::memcpy(out, digits, static_cast<std::size_t>(n));
        return n;
    }
    std::memcpy(out, digits, static_cast<std::size_t>(whole));
    out[whole] = '.';
    std::memcpy(out + whole + 1, digits + whole, static_cast<std::size_t>(n - whole));
    return n + 1;
}

} // namespace

char* fixedText(char* first, char* last, double v, int precision) {
    char text[400];
    return copyOut(first, last, text, std::snprintf(text, sizeof text, "%.*f", precision, v));
}

char* generalText(char* first, char* last, double v, int precision) {
    char text[400];
    return copyOut(first, last, text, std::snprintf(text, sizeof text, "%.*g", precision, v));
}

char* shortestText(char* first, char* last, double v, std::chars_format form) {
    char text[400];
    int len = 0;
    if (std::signbit(v)) text[len++] = '-';
    double magnitude = std::fabs(v);
    if (std::isnan(v) || std::isinf(v)) {
        len += std::snprintf(text + len, 8, "%s", std::isnan(v) ? "nan" : "inf");
        return copyOut(first, last, text, len);
    }
    if (magnitude == 0) {
        len += std::snprintf(text + len, 8, "%s",
                             form == std::chars_format::scientific ? "0e+00" : "0");
        return copyOut(first, last, text, len);
    }
    char digits[24];
    int power;
    int n = digitText(shortest(magnitude), digits, power);
    // Fixed notation that pads the digits with zeros has as many characters
    // whatever the digits; of the whole numbers that read back as v, the
    // nearest is v itself, which is whole there.
    int fixed_len = power + 1 > n ? std::snprintf(text + len, sizeof text - 1, "%.0f", magnitude)
                                  : fixed(text + len, digits, n, power);
    char sci[40];
    int sci_len = scientific(sci, digits, n, power);
    bool use_sci = form == std::chars_format::scientific ||
                   (form != std::chars_format::fixed && sci_len < fixed_len);
    if (use_sci) {
        std::memcpy(text + len, sci, static_cast<std::size_t>(sci_len));
        fixed_len = sci_len;
    }
    return copyOut(first, last, text, len + fixed_len);
}

} // namespace zep::detail::portable
