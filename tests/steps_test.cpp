#include "check/steps.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>

namespace zep::detail {
namespace {

bool sameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0 || (a != a && b != b);
}

void expectAsTheLibrary(double v) {
    EXPECT_TRUE(sameBits(nextUp(v), std::nextafter(v, HUGE_VAL))) << v;
    EXPECT_TRUE(sameBits(nextDown(v), std::nextafter(v, -HUGE_VAL))) << v;
}

TEST(Steps, EdgesStepAsTheLibraryDoes) {
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    for (double v : {0.0, -0.0, 0x1p-1074, -0x1p-1074, DBL_MIN, -DBL_MIN, DBL_MAX, -DBL_MAX,
                     HUGE_VAL, -HUGE_VAL, 1.0, -1.0, 0x1p52, -0.5, nan})
        expectAsTheLibrary(v);
}

TEST(Steps, AnyBitsStepAsTheLibraryDoes) {
    const unsigned seed = 20261208;
    std::printf("steps seed %u\n", seed);
    std::mt19937_64 random(seed);
    for (int k = 0; k < 100000; k++) {
        std::uint64_t bits = random();
        double v;
        std::memcpy(&v, &bits, sizeof v);
        expectAsTheLibrary(v);
    }
}

TEST(Steps, LargerIsFmax) {
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    const double values[] = {0.0, 1.0, -1.0, 2.5, HUGE_VAL, -HUGE_VAL, nan};
    for (double a : values)
        for (double b : values)
            EXPECT_TRUE(sameBits(larger(a, b), std::fmax(a, b)) || (a == b && larger(a, b) == a))
                << a << " " << b;
}

} // namespace
} // namespace zep::detail
