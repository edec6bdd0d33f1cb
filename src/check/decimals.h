// Whole-number and fraction arithmetic of the rational reconstruction, and
// the model's numbers as the decimals the file wrote: 128-bit sums of
// 64-bit products with overflow checked, guesses of fractions from
// doubles, and their exact values as GMP numbers or nearest doubles.
#pragma once

#include <gmpxx.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "check/enclosure.h"
#include "store/store.h"

namespace zep::detail {

// Sums of products of two 64-bit numbers, each product exact.
__extension__ typedef __int128 Wide;
__extension__ typedef unsigned __int128 UnsignedWide;

// A number as the model file wrote it: digits / 10^places.
struct Decimal {
    std::int64_t digits;
    int places;
};

// The same for a v that is not a whole number below 2^53.
bool fractional_decimal_of(double v, Decimal& out);

// The shortest decimal that reads back as v (the value `written` gives),
// where it has at most 18 decimals and fewer than 16 significant digits;
// false for any other v. Whole numbers, the models' commonest, inline.
inline bool decimal_of(double v, Decimal& out) {
    if (std::fabs(v) < 0x1p53) {
        auto whole = static_cast<std::int64_t>(v);
        if (static_cast<double>(whole) == v) {
            out = {whole, 0};
            return true;
        }
    }
    return fractional_decimal_of(v, out);
}

constexpr std::int64_t powerOfTen(int k) {
    std::int64_t p = 1;
    for (int i = 0; i < k; i++) p *= 10;
    return p;
}

inline bool product(Wide a, Wide b, Wide& out) {
    return !__builtin_mul_overflow(a, b, &out);
}

inline bool accumulate(Wide& sum, Wide a, Wide b) {
    Wide t;
    return product(a, b, t) && !__builtin_add_overflow(sum, t, &sum);
}

// The decimal d written with places decimals (at least its own).
inline Wide atPlaces(const Decimal& d, int places) {
    return Wide{d.digits} * powerOfTen(places - d.places);
}

// The simplest fraction p/q (q > 0) within a small distance of v, by its
// continued fraction. Only a guess: the exact check of the whole solution
// decides whether it stands.
bool fraction(double v, std::int64_t& p, std::int64_t& q);

// v[1..n] as whole numbers over one denominator: out[i] / den.
bool overOneDenominator(const double* v, int n, std::int64_t* out, std::int64_t& den);

mpz_class bigOf(Wide v);

// The double nearest to num / den, den > 0, as the exact path rounds.
double nearestOf(Wide num, Wide den);

inline Interval point(Wide num, Wide den) {
    double n = nearestOf(num, den);
    return {n, n};
}

// A canonical fraction of num / den, den > 0.
mpq_class fractionOf(Wide num, Wide den);

// The model's numbers as decimals: entries, right-hand sides and costs.
// The entries of the model's columns alone, row after row, so that a
// model touches only as much of the stack as it fills.
struct Decimals {
    Decimal entries[(max_cons + 1) * (max_names + 1)];
    int stride = 0; // num_vars + 1
    Decimal rhs[tab_rows];
    Decimal cost[tab_cols];

    // Row r's entry in model column j (1 to num_vars).
    const Decimal& a(int r, int j) const { return entries[r * stride + j]; }

    // False where a number has no such decimal (see decimal_of).
    bool read(const Store& s);
};

// The row of each added column, and its entry there.
struct AddedColumns {
    int row[tab_cols] = {};
    int sign[tab_cols] = {};

    explicit AddedColumns(const Store& s);
};

// An entry of a row that the pivots carry along (the objective rows): a
// decimal num / 10^places.
struct Weight {
    Wide num = 0;
    int places = 0;
};

inline void addTo(Weight& w, const Decimal& d, int sign) {
    int places = std::max(w.places, d.places);
    w.num = w.num * powerOfTen(places - w.places) + sign * atPlaces(d, places);
    w.places = places;
}

} // namespace zep::detail
