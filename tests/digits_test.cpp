#include "check/digits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>

#include "random_model.h"

namespace zep::detail {
namespace {

struct DigitsCase {
    const char* format;
    double lo;
    double hi;
    bool same;
};

TEST(Digits, IntervalPrintsTheSameTextOnlyWhenBothEndsDo) {
    const DigitsCase cases[] = {
        {"%13.3lf", 4.0, 4.0, true},
        {"%13.3lf", 3.99951, 4.0004, true},
        {"%13.3lf", 3.9994, 4.0004, false},
        {"%13.3lf", 4.0004, 4.0006, false},
        {"%13.2lf", 60364937500.0, std::nextafter(60364937500.0, 1e300), true},
        // Zero's sign: an end at zero is +0, a tiny negative value -0.000.
        {"%13.3lf", -0.0, 0.0001, true},
        {"%13.3lf", -0.0001, 0.0, false},
        {"%13.3lf", -0.0002, -0.0001, true},
        {"%.3f", -1e-300, 1e-300, false},
        {"%lg", 0.036, 0.036000000001, true},
        {"%lg", 0.0359999, 0.036000001, false},
        {"%lg", 825.9999999, 826.0000001, true},
        {"%lg", 1234565.0, 1234566.0, false},
        {"%12.3e", 1.0e20, 1.0001e20, true},
        {"x = %8.2lf (SLK)", 2.5, 2.504, true},
        {"%13.3lf", 5.0, 4.0, false},
        {"%13.3lf", NAN, 4.0, false},
        {"%13.3lf", 1e300, HUGE_VAL, false},
    };
    for (const DigitsCase& c : cases)
        EXPECT_EQ(prints_same(c.format, c.lo, c.hi), c.same)
            << c.format << " [" << c.lo << ", " << c.hi << "]";
}

TEST(Digits, ErrorBoundWidensTheIntervalOutward) {
    EXPECT_TRUE(prints_same_within("%13.3lf", 4.0, 1e-9));
    EXPECT_FALSE(prints_same_within("%13.3lf", 4.0005, 0.0));
    EXPECT_FALSE(prints_same_within("%13.3lf", 1.0, -1.0));
    EXPECT_FALSE(prints_same_within("%13.3lf", HUGE_VAL, 0.0));
    // One step outward on each side reaches doubles that "%.17g" tells apart.
    EXPECT_FALSE(prints_same_within("%.17g", 0.1, 0.0));
}

// Whether both ends print alike, by printing them.
bool endsPrintAlike(const char* format, double lo, double hi) {
    char low[400], high[400];
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    std::snprintf(low, sizeof low, format, lo == 0 ? 0.0 : lo);
    std::snprintf(high, sizeof high, format, hi == 0 ? 0.0 : hi);
#pragma GCC diagnostic pop
    return std::strcmp(low, high) == 0;
}

// The fixed formats are decided by rounding, without printing, near
// halves, zeros and powers of ten alike.
TEST(Digits, FixedFormatsAgreeWithPrintingBothEnds) {
    std::mt19937_64 rng(testing::testSeed("ZEP_DIGITS_SEED", 2026));
    const char* const formats[] = {"%16.4lf", "%13.3lf ", "%15.3lf", "%13.2lf ", "%.0f"};
    for (int i = 0; i < 200000; i++) {
        const char* format = formats[rng() % 5];
        int digits = static_cast<int>(rng() % 12);
        double base = static_cast<double>(rng() % 2000001) - 1000000.0;
        double lo = base / std::pow(10.0, digits) + (rng() % 2 ? 0.0 : 0.00005);
        if (rng() % 4 == 0)
            lo = std::ldexp(static_cast<double>(rng() % 1000), -static_cast<int>(rng() % 40));
        double hi = lo;
        for (int steps = static_cast<int>(rng() % 6); steps > 0; steps--)
            hi = std::nextafter(hi, HUGE_VAL);
        if (rng() % 3 == 0) hi = lo + std::ldexp(1.0, -static_cast<int>(rng() % 30));
        EXPECT_EQ(prints_same(format, lo, hi), endsPrintAlike(format, lo, hi))
            << format << " [" << lo << ", " << hi << "]";
    }
}

} // namespace
} // namespace zep::detail
