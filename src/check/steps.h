// One step of a double up or down, and the larger of two, inline: the
// bounds take them for every entry, where the C library's are calls.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstring>

namespace zep::detail {

// std::nextafter(v, HUGE_VAL).
inline double nextUp(double v) {
    if (!(v < HUGE_VAL)) return v;
    if (v == 0) return 0x1p-1074;
    // memcpy, not std::bit_cast: the WebAssembly build's C++ library has
    // no bit_cast; compilers make the same single move of it.
    std::uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    bits = v > 0 ? bits + 1 : bits - 1;
    std::memcpy(&v, &bits, sizeof v);
    return v;
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
