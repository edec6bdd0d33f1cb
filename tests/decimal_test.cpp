// The exact decimal reader against strtod, bit for bit, on seeded random
// numbers (ZEP_DECIMAL_SEED to repeat another run; printed) and on the
// cases that make decimal conversion hard.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "input/decimal.h"

namespace {

// Whether plainDecimal takes the text, and then whether it agrees with
// strtod reading the same whole text.
void expectAsStrtod(const std::string& text) {
    double fast = 0;
    if (!zep::detail::plainDecimal(text.c_str(), static_cast<int>(text.size()), fast)) return;
    char* end = nullptr;
    double slow = std::strtod(text.c_str(), &end);
    ASSERT_EQ(end, text.c_str() + text.size()) << text;
    ASSERT_EQ(std::memcmp(&fast, &slow, sizeof fast), 0)
        << text << ": " << std::hexfloat << fast << " against strtod's " << slow;
}

std::string digits(std::mt19937_64& rng, int n) {
    std::string d;
    for (int i = 0; i < n; i++) d += static_cast<char>('0' + rng() % 10);
    return d;
}

TEST(Decimal, RandomNumbersReadAsStrtodReadsThem) {
    const char* fixed = std::getenv("ZEP_DECIMAL_SEED");
    unsigned seed = fixed ? static_cast<unsigned>(std::strtoul(fixed, nullptr, 10)) : 1213;
    std::printf("decimal seed %u (set ZEP_DECIMAL_SEED=%u to repeat)\n", seed, seed);
    std::mt19937_64 rng(seed);
    const char* signs[] = {"", "-", "+"};
    int taken = 0;
    for (int i = 0; i < 500000; i++) {
        std::string text = signs[rng() % 3];
        text += digits(rng, static_cast<int>(rng() % 20));
        if (rng() % 2) text += "." + digits(rng, static_cast<int>(rng() % 25));
        if (rng() % 3 == 0) {
            text += rng() % 2 ? "e" : "E";
            text += signs[rng() % 3];
            text += std::to_string(rng() % 340);
        }
        double v;
        taken += zep::detail::plainDecimal(text.c_str(), static_cast<int>(text.size()), v);
        expectAsStrtod(text);
        if (HasFailure()) return;
    }
#ifndef ZEP_PORTABLE_NUMBERS
    // The fast path takes nearly all of them; the portable one only the
    // short whole numbers, leaving the rest to strtod.
    EXPECT_GT(taken, 400000);
#endif
}

TEST(Decimal, HardCasesReadAsStrtodReadsThem) {
    const char* cases[] = {
        "9007199254740993", // halfway between two doubles: to even
        "9007199254740993.000000000000000000001",
        "0.1000000000000000055511151231257827021181583404541015625",
        "2.4703282292062327e-324", // half the smallest subnormal
        "2.4703282292062328e-324",
        "4.9406564584124654e-324",
        "2.2250738585072011e-308", // near the smallest normal
        "1.7976931348623157e308",
        "1.7976931348623158e308", // rounds to the largest double
        "-0",
        "-0.0e5",
        "0e999",
        "1e-400",
        "123456789012345678901234567890",
        "+.5",
        "5.",
        "-.25E+2",
    };
    for (const char* text : cases) expectAsStrtod(text);
}

TEST(Decimal, LeavesEveryOtherTextToStrtod) {
    const char* texts[] = {"",      "-",     "+",   ".",   "-.",    "1e",  "1e+",
                           "1.2.3", "0x1p3", "inf", "nan", "1e309", "--1", "+-1",
                           "1,5",   "1 ",    " 1",  "e5",  "1e5.0", "1f"};
    for (const char* text : texts) {
        double v = 7;
        EXPECT_FALSE(zep::detail::plainDecimal(text, static_cast<int>(std::strlen(text)), v))
            << text;
        EXPECT_EQ(v, 7) << text;
    }
}

} // namespace
