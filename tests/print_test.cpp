// The store's formatted output against the C library's snprintf, byte for
// byte: every number format the reports use, on doubles drawn from a seeded
// generator (a sample in every run, a million in the long run; ZEP_FORMAT_SEED
// to repeat a run, ZEP_FORMAT_COUNT for more values), and the text and
// integer conversions on fixed cases.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "store/print.h"
#include "support.h"

namespace {

using zep::detail::compose;

// The formats of one double that zep prints, with text around some of them.
constexpr const char* number_formats[] = {
    "%12.3lf", "%16.4lf", "%15.3lf", "%13.3lf",           "%13.2lf",   "%11.3lf",
    "%lg",     "%g",      "%.3f",    " %16.4lf %15.3lf|", "x = %lg\n", " %c= %g",
};

unsigned envNumber(const char* name, unsigned fallback) {
    const char* text = std::getenv(name);
    return text ? static_cast<unsigned>(std::strtoul(text, nullptr, 10)) : fallback;
}

// Doubles of the kinds that printf's rounding makes hard: any bit pattern,
// ordinary, huge and tiny magnitudes, exact halfway cases at 2 to 6 digits
// and their neighbours, values just below a power of ten (which round up
// to a longer field), zeros of either sign, and values that went through
// single precision.
class Values {
  public:
    explicit Values(unsigned seed) : rng(seed) {}

    double next() {
        double v = draw();
        if (pick(4) == 0) v = std::nextafter(v, pick(2) ? INFINITY : -INFINITY);
        if (pick(8) == 0) v = static_cast<double>(static_cast<float>(v));
        return pick(2) ? -v : v;
    }

  private:
    std::uint64_t pick(std::uint64_t n) { return rng() % n; }
    double uniform() { return std::ldexp(static_cast<double>(rng() >> 11), -53); }
    double tenTo(int lo, int hi) {
        return std::pow(10.0, static_cast<double>(lo) + uniform() * (hi - lo));
    }

    double draw() {
        switch (pick(9)) {
        case 0: {
            std::uint64_t bits = rng();
            double v;
            std::memcpy(&v, &bits, sizeof v);
            return v;
        }
        case 1:
            return (1 + uniform()) * tenTo(-8, 12);
        case 2:
            return tenTo(-320, -4);
        case 3:
            return tenTo(12, 308);
        case 4: {
            // k + j / 2^(p+1) with j odd ends in a 5 at digit p + 1.
            int p = static_cast<int>(pick(6));
            double scale = std::ldexp(1.0, p + 1);
            return static_cast<double>(pick(2000000)) +
                   static_cast<double>(2 * pick(1u << p) + 1) / scale;
        }
        case 5: {
            // Integers and halves that end in 5 at the seventh digit (%g).
            double v = static_cast<double>(pick(10000000)) * 10 + 5;
            return pick(2) ? v : v / 10;
        }
        case 6: {
            double power = std::pow(10.0, static_cast<double>(pick(24)) - 8);
            return power - power * uniform() * std::pow(10.0, -static_cast<double>(pick(9)));
        }
        case 7:
            return pick(2) ? 0.0 : std::nextafter(0.0, 1.0) * static_cast<double>(pick(100));
        default:
            return static_cast<double>(pick(1000000)) / 1000;
        }
    }

    std::mt19937_64 rng;
};

// Formats count values drawn from seed with each number format, through
// compose and through snprintf; at most ten differences are reported.
void expectNumbersMatchSnprintf(unsigned seed, unsigned count) {
    std::printf("formatting seed %u over %u values (set ZEP_FORMAT_SEED=%u to repeat)\n", seed,
                count, seed);
    ::testing::Test::RecordProperty("seed", static_cast<int>(seed));
    Values values(seed);
    int failures = 0;
    for (unsigned i = 0; i < count && failures < 10; i++) {
        double v = values.next();
        for (const char* fmt : number_formats) {
            char want[512], got[512];
            int want_n, got_n;
            if (std::strstr(fmt, "%c")) {
                want_n = std::snprintf(want, sizeof want, fmt, '<', v);
                got_n = compose(got, sizeof got, fmt, '<', v);
            } else if (std::strstr(fmt, "%16.4lf %15.3lf")) {
                want_n = std::snprintf(want, sizeof want, fmt, v, v / 3);
                got_n = compose(got, sizeof got, fmt, v, v / 3);
            } else {
                want_n = std::snprintf(want, sizeof want, fmt, v);
                got_n = compose(got, sizeof got, fmt, v);
            }
            if (want_n != got_n || std::strcmp(want, got) != 0) {
                ADD_FAILURE() << "format \"" << fmt << "\" of " << std::hexfloat << v
                              << ": snprintf \"" << want << "\", compose \"" << got << "\"";
                failures++;
            }
        }
    }
}

// A sample in every run; the million values in the long run.
TEST(Print, NumbersMatchSnprintf) {
    expectNumbersMatchSnprintf(envNumber("ZEP_FORMAT_SEED", 20261208),
                               envNumber("ZEP_FORMAT_COUNT", 10000));
}

TEST(PrintLong, NumbersMatchSnprintf) {
    expectNumbersMatchSnprintf(envNumber("ZEP_FORMAT_SEED", 20261207),
                               envNumber("ZEP_FORMAT_COUNT", 1000000));
}

// The report's formats written as literals, planned while compiling, on the
// same values as the formats given by pointer above.
TEST(Print, LiteralFormatsMatchSnprintf) {
    unsigned seed = envNumber("ZEP_FORMAT_SEED", 20261209);
    std::printf("formatting seed %u (set ZEP_FORMAT_SEED=%u to repeat)\n", seed, seed);
    static constexpr auto joined = zep::detail::join("%2d. %-8.8s ", "%16.4lf", " %15.3lf");
    static_assert(std::string_view(joined.text) == "%2d. %-8.8s %16.4lf %15.3lf");
    Values values(seed);
    int failures = 0;
    auto check = [&](const char* fmt, const char* want, int want_n, const char* got, int got_n) {
        if (want_n == got_n && std::strcmp(want, got) == 0) return;
        if (++failures <= 10)
            ADD_FAILURE() << "format \"" << fmt << "\": snprintf \"" << want << "\", compose \""
                          << got << "\"";
    };
    for (int i = 0; i < 20000; i++) {
        double v = values.next();
        char want[512], got[512];
        int w = std::snprintf(want, sizeof want, "%16.4lf", v);
        check("%16.4lf", want, w, got, compose(got, sizeof got, "%16.4lf", v));
        w = std::snprintf(want, sizeof want, "%13.3lf|%lg|%g", v, v, v);
        check("%13.3lf|%lg|%g", want, w, got, compose(got, sizeof got, "%13.3lf|%lg|%g", v, v, v));
        w = std::snprintf(want, sizeof want, joined.text, i % 100, "X12345678", v, -v);
        check(joined.text, want, w, got,
              compose(got, sizeof got, joined.text, i % 100, "X12345678", v, -v));
    }
    EXPECT_EQ(failures, 0);
}

// A field's blanks may be stored as a whole run ahead of the text: never
// past the room a caller's buffer has (the sanitizer build watches this).
TEST(Print, PadsInsideACallersBuffer) {
    for (std::size_t cap = 1; cap <= 64; cap++) {
        std::vector<char> out(cap);
        int n = compose(out.data(), cap, "%30s|%-20s|%3d", "x", "y", 7);
        EXPECT_EQ(n, 55);
        EXPECT_EQ(
            std::string(out.data()),
            (std::string(29, ' ') + "x|y" + std::string(19, ' ') + "|  7").substr(0, cap - 1));
    }
}

struct TextCase {
    const char* fmt;
    const char* text;
    int number;
};

TEST(Print, TextAndIntegersMatchSnprintf) {
    // Each format takes the text first, then the number.
    const TextCase cases[] = {
        {"%-8.8s|%2d.", "X1", 7},
        {"%-8.8s|%2d.", "ABCDEFGHIJKL", 123},
        {"%-12.12s|%3d", "SLK:LONGNAME1", -5},
        {"%13.13s|%d", "Unit PROFIT", 2147483647},
        {"%3.3s = %d", "max", -2147483647 - 1},
        {"%.3s)%13d", "", 0},
        {"%2.2s %13d", ">=", 42},
        {"%12s %-3d|", "ART:R1", 42},
        {"%-9.9s%%%d", "R1)", 1},
        {"%8s%d", "LONGER-THAN-8", 1},
        {"%s%d", nullptr, 3},
        {"%.3s|%d", nullptr, 3},
        {"(%s) no number %%", "", 0},
    };
    for (const TextCase& c : cases) {
        char want[256], got[256];
        int want_n = std::snprintf(want, sizeof want, c.fmt, c.text, c.number);
        int got_n = compose(got, sizeof got, c.fmt, c.text, c.number);
        EXPECT_EQ(std::string(want), std::string(got)) << c.fmt;
        EXPECT_EQ(want_n, got_n) << c.fmt;
    }
}

TEST(Print, CutsAtCapacityAndCountsTheWhole) {
    char out[8];
    EXPECT_EQ(compose(out, sizeof out, "%12.3lf", 2.5), 12);
    EXPECT_STREQ(out, "       ");
    EXPECT_EQ(compose(nullptr, 0, "%s-%d", "abc", 12), 6);
    // Conversions not handled here go to the C library whole.
    EXPECT_EQ(compose(out, sizeof out, "%+.1e", 2.0), 8);
    EXPECT_STREQ(out, "+2.0e+0");
    EXPECT_EQ(compose(out, sizeof out, "%05d", 42), 5);
    EXPECT_STREQ(out, "00042");
    EXPECT_EQ(compose(out, sizeof out, "%07.2f", -1.5), 7);
    EXPECT_STREQ(out, "-001.50");
}

// Each format's parse is kept by its address: more formats than are kept at
// once, taken in turns by several threads in different orders, each print
// still by its own format.
TEST(Print, KeepsParsesApartAcrossFormatsAndThreads) {
    static const std::vector<std::string> formats = [] {
        std::vector<std::string> made;
        for (int width = 0; width < 50; width++) {
            made.push_back("%" + std::to_string(width) + ".3lf|%d");
            made.push_back("[%-" + std::to_string(width) + "g] %d");
            made.push_back(std::to_string(width) + " %+.2e %d"); // left to the C library
        }
        return made;
    }();
    auto run = [](unsigned seed, int* failures) {
        std::mt19937 rng(seed);
        for (int round = 0; round < 2000; round++) {
            const std::string& fmt = formats[rng() % formats.size()];
            double v = static_cast<double>(static_cast<int>(rng() % 2000001) - 1000000) / 997;
            int i = static_cast<int>(rng() % 1000);
            char want[128], got[128];
            std::snprintf(want, sizeof want, fmt.c_str(), v, i);
            compose(got, sizeof got, fmt.c_str(), v, i);
            if (std::strcmp(want, got) != 0) ++*failures;
        }
    };
    int failures[4] = {};
    std::vector<std::thread> threads;
    for (unsigned t = 0; t < 4; t++) threads.emplace_back(run, 20261208 + t, &failures[t]);
    for (std::thread& thread : threads) thread.join();
    for (int f : failures) EXPECT_EQ(f, 0);
}

TEST(Print, WritesToTheOutputStreamPastItsBuffer) {
    zep::detail::testing::Harness h;
    std::string name(600, 'N');
    zep::detail::print(h.store(), "[%s] %12.3lf %lg\n", name.c_str(), 1.0 / 3, 1e-300);
    zep::detail::print(h.store(), "%.*s|\n", 3, "abcdef");
    EXPECT_EQ(h.output(), "[" + name + "]        0.333 1e-300\nabc|\n");
}

// A report's short prints go straight into a stream's buffer where it has
// room, through fwrite where not: every kind of buffering gives the text.
TEST(Print, WritesThroughEveryKindOfBuffering) {
    struct Buffering {
        int mode;
        std::size_t size;
    };
    const Buffering kinds[] = {{_IOFBF, 4096}, {_IOFBF, 7}, {_IOLBF, 64}, {_IONBF, 0}};
    std::string name(600, 'N');
    std::string want;
    for (int i = 0; i < 40; i++)
        want += std::to_string(i % 10) + ". X" + std::to_string(i) + "        1.500\n";
    want += "[" + name + "]\n";
    for (const Buffering& kind : kinds) {
        zep::detail::testing::Harness h;
        std::FILE* file = std::tmpfile();
        ASSERT_NE(file, nullptr);
        ASSERT_EQ(std::setvbuf(file, nullptr, kind.mode, kind.size), 0);
        std::FILE* kept = h.store().out;
        h.store().out = file;
        for (int i = 0; i < 40; i++) {
            zep::detail::print(h.store(), "%d. ", i % 10);
            zep::detail::print(h.store(), "X%d", i);
            zep::detail::print(h.store(), " %12.3lf", 1.5);
            zep::detail::print(h.store(), "\n");
        }
        zep::detail::print(h.store(), "[%s]\n", name.c_str());
        h.store().out = kept;
        std::rewind(file);
        std::string got;
        for (int c; (c = std::fgetc(file)) != EOF;) got += static_cast<char>(c);
        std::fclose(file);
        EXPECT_EQ(got, want) << "buffering mode " << kind.mode << ", size " << kind.size;
    }
}

} // namespace
