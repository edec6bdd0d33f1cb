// The portable conversions of doubles (printf and strtod, for a C++ library
// without floating-point to_chars) against std::to_chars, byte for byte, on
// seeded random doubles (ZEP_DOUBLE_TEXT_SEED to repeat a run) and on the
// values where a shortest form is hardest: powers of two, whose lower
// neighbour is nearer than the upper, and large whole numbers in fixed
// notation.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>

#include "differential.h"
#include "store/double_text.h"

namespace {

namespace portable = zep::detail::portable;

std::string viaToChars(double v, std::chars_format form, int precision = -1) {
    char text[400];
    auto end = precision < 0 && form == std::chars_format{}
                   ? std::to_chars(text, text + sizeof text, v)
               : precision < 0 ? std::to_chars(text, text + sizeof text, v, form)
                               : std::to_chars(text, text + sizeof text, v, form, precision);
    return std::string(text, end.ptr);
}

template <class Convert> std::string viaPortable(Convert convert) {
    char text[400];
    return std::string(text, convert(text, text + sizeof text));
}

void expectSame(double v) {
    for (auto form : {std::chars_format{}, std::chars_format::fixed, std::chars_format::scientific})
        ASSERT_EQ(
            viaPortable([&](char* f, char* l) { return portable::shortestText(f, l, v, form); }),
            viaToChars(v, form))
            << std::hexfloat << v;
    for (int precision : {0, 3, 4, 6, 17}) {
        ASSERT_EQ(viaPortable([&](char* f, char* l) {
                      return portable::generalText(f, l, v, precision == 0 ? 1 : precision);
                  }),
                  viaToChars(v, std::chars_format::general, precision == 0 ? 1 : precision))
            << std::hexfloat << v;
        ASSERT_EQ(
            viaPortable([&](char* f, char* l) { return portable::fixedText(f, l, v, precision); }),
            viaToChars(v, std::chars_format::fixed, precision))
            << std::hexfloat << v;
    }
}

TEST(DoubleText, PowersOfTwoAndTheirNeighbours) {
    for (int e = -1074; e <= 1023; e++) {
        double v = std::ldexp(1.0, e);
        expectSame(v);
        expectSame(std::nextafter(v, 0.0));
        expectSame(std::nextafter(v, INFINITY));
    }
}

TEST(DoubleText, ZerosInfinitiesAndWholeNumbers) {
    for (double v : {0.0, -0.0, 1.0, -1.0, 1e22, 1e23, 9007199254740993.0, 123456.0, 1234567.0,
                     1e-5, 1e-4, 0.1, 0.3, 5e-324, 1.7976931348623157e308})
        expectSame(v);
    for (double v : {INFINITY, -INFINITY}) {
        EXPECT_EQ(viaPortable([&](char* f, char* l) {
                      return portable::shortestText(f, l, v, std::chars_format{});
                  }),
                  viaToChars(v, std::chars_format{}));
    }
}

TEST(DoubleText, RandomDoubles) {
    unsigned seed = zep::detail::testing::envSeed("ZEP_DOUBLE_TEXT_SEED", 20261208);
    std::printf("double text seed %u (set ZEP_DOUBLE_TEXT_SEED=%u to repeat)\n", seed, seed);
    std::mt19937_64 rng(seed);
    for (int i = 0; i < 3000; i++) {
        std::uint64_t bits = rng();
        double v;
        std::memcpy(&v, &bits, sizeof v);
        if (!std::isfinite(v)) continue;
        expectSame(v);
        // Numbers as models hold them: a few digits at a moderate scale.
        double scale = std::pow(10.0, static_cast<double>(rng() % 17) - 8);
        expectSame(static_cast<double>(rng() % 100000) * scale);
        expectSame(static_cast<double>(rng() % 1000) / static_cast<double>(1 + rng() % 97));
    }
}

} // namespace
