// Random models for the tests of the LP format and MPS: names that every
// form can hold, and numbers of every kind a file may hold.
#pragma once

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <set>
#include <sstream>
#include <string>

#include "input/lp_format.h"
#include "store/store.h"

namespace zep::detail::testing {

// The seed of a random test: fixed, unless the environment variable names one.
inline unsigned testSeed(const char* variable, unsigned fixed) {
    const char* given = std::getenv(variable);
    unsigned seed = given ? static_cast<unsigned>(std::strtoul(given, nullptr, 10)) : fixed;
    std::printf("%s=%u\n", variable, seed);
    return seed;
}

class RandomModels {
  public:
    explicit RandomModels(unsigned seed, bool plain_numbers = false)
        : rng(seed), plain(plain_numbers) {}

    int upTo(int n) { return std::uniform_int_distribution<int>(0, n)(rng); }

    // A coefficient: mostly small whole numbers, some zeros, fractions,
    // full-precision values, tiny and large magnitudes; only small whole
    // numbers for plain models.
    double number() {
        double sign = upTo(3) == 0 ? -1 : 1;
        if (plain) return sign * upTo(9);
        switch (upTo(7)) {
        case 0:
            return 0;
        case 1:
            return sign * upTo(9);
        case 2:
            return sign * upTo(99) / 8.0;
        case 3:
            return sign * std::uniform_real_distribution<double>(0, 10)(rng);
        case 4:
            return sign * upTo(999) * 1e-7;
        case 5:
            return sign * (upTo(999999) + 0.25) * 1000;
        default:
            return sign * (1 + upTo(9));
        }
    }

    // A name of 1 to max characters, a letter first, then letters, digits
    // and points, that the LP format does not take for a keyword.
    std::string name(int max, std::set<std::string>& taken) {
        static const char rest[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789.";
        for (;;) {
            std::string n(1, static_cast<char>('A' + upTo(25)));
            int len = upTo(max - 1);
            for (int i = 0; i < len; i++) n += rest[upTo(sizeof rest - 2)];
            if (zep::detail::lpName(n.c_str()) && taken.insert(n).second) return n;
        }
    }

    // Fills the store with a model as a reader leaves it; negative_rhs lets
    // right-hand sides be negative.
    void fill(Store& s, int max_vars, int max_cons, bool negative_rhs = false) {
        initParam(s);
        s.model.num_cons = upTo(max_cons);
        s.model.num_vars = s.model.num_cons > 0 ? 1 + upTo(max_vars - 1) : upTo(max_vars);
        s.model.z_mult = upTo(1) ? -1.0 : 1.0;
        std::snprintf(s.model.minmax, sizeof s.model.minmax, "%s",
                      s.model.z_mult < 0 ? "MAX" : "MIN");
        std::set<std::string> vars, rows;
        for (int j = 1; j <= s.model.num_vars; j++)
            std::snprintf(s.tab.varname[j], name_size, "%s", name(8, vars).c_str());
        for (int r = 0; r <= s.model.num_cons; r++) {
            std::snprintf(s.model.rname[r], label_size, "%s", name(8, rows).c_str());
            for (int j = 1; j <= s.model.num_vars; j++) s.tab.a_mat[r][j] = upTo(2) ? number() : 0;
            if (r == 0) continue;
            s.tab.row_type[r] = upTo(2) - 1;
            double rhs = number();
            s.model.rrhs[r] = negative_rhs ? rhs : std::fabs(rhs);
            s.tab.a_mat[r][0] = s.model.rrhs[r];
        }
        s.tab.nnames = s.model.num_vars;
        s.tab.last_col = s.model.num_vars;
        s.tab.last_row = s.model.num_cons;
    }

  private:
    std::mt19937 rng;
    bool plain;
};

// Ordinary models up to the capacity, in matrix form: two-decimal data,
// where the floating-point bounds decide most often.
inline std::string ordinaryModel(std::mt19937& rng) {
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    int n = pick(2, 20), m = pick(2, 30);
    if (n + 2 * m > 50) m = (50 - n) / 2;
    std::ostringstream t;
    t << (pick(0, 1) ? "MAX " : "MIN ") << n << ' ' << m << '\n';
    for (int j = 1; j <= n; j++) t << 'X' << j << ' ';
    t << "\nOBJ";
    for (int j = 0; j < n; j++) t << ' ' << pick(1, 2000) / 100.0 * (pick(0, 4) ? 1 : -1);
    t << '\n';
    for (int r = 0; r < m; r++) {
        t << 'C' << r + 1;
        for (int j = 0; j < n; j++) t << ' ' << (pick(0, 3) ? pick(0, 999) / 100.0 : 0);
        int kind = pick(0, 5);
        t << ' '
          << (kind < 4    ? "<="
              : kind == 4 ? ">="
                          : "=")
          << ' ' << pick(1, 100) * (kind < 4 ? 10 : 1) << '\n';
    }
    return t.str();
}

} // namespace zep::detail::testing
