// One step of a double up or down, and the larger of two, inline: the
// bounds take them for every entry, where the C library's are calls.
#pragma once

#include <bit>
#include <cmath>
#include <cstdint>

namespace zep::detail {

// std::nextafter(v, HUGE_VAL).
inline double nextUp(double v) {
    if (!(v < HUGE_VAL)) return v;
    if (v == 0) return 0x1p-1074;
    auto bits = std::bit_cast<std::uint64_t>(v);
    return std::bit_cast<double>(v > 0 ? bits + 1 : bits - 1);
}

// std::nextafter(v, -HUGE_VAL).
inline double nextDown(double v) {
    return -nextUp(-v);
}

// std::fmax(a, b): a NaN gives way to the other.
inline double larger(double a, double b) {
    return b > a || a != a ? b : a;
}

} // namespace zep::detail
