#include "check/decimals.h"

#include <cmath>
#include <numeric>

#include "check/certificate.h"
#include "check/exact.h"

namespace zep::detail {

namespace {

constexpr int most_places = 18;
constexpr double power_double[most_places + 1] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,
                                                  1e7,  1e8,  1e9,  1e10, 1e11, 1e12, 1e13,
                                                  1e14, 1e15, 1e16, 1e17, 1e18};

} // namespace

bool fractional_decimal_of(double v, Decimal& out) {
    if (v == std::trunc(v)) return false; // whole, from 2^53 on, or infinite
    // Below 2^52 a step of 10^-places is wider than v's unit in the last
    // place, so at most one decimal of that many places reads back as v;
    // the fewest places that do give the shortest decimal.
    for (int places = 1; places <= most_places; places++) {
        double scaled = v * power_double[places];
        if (!(std::fabs(scaled) < 0x1p52)) return false;
        double whole = std::nearbyint(scaled);
        for (double digits : {whole, whole - 1, whole + 1}) {
            if (digits / power_double[places] == v) {
                out = {static_cast<std::int64_t>(digits), places};
                return true;
            }
        }
    }
    return false;
}

bool fraction(double v, std::int64_t& p, std::int64_t& q) {
    double x = std::fabs(v);
    if (!(x < 0x1p52)) return false;
    double near = 0x1p-42 * std::fmax(1.0, x);
    std::int64_t h0 = 0, h1 = 1, k0 = 1, k1 = 0;
    double rest = x;
    for (int step = 0; step < 40; step++) {
        double whole = std::floor(rest);
        if (!(whole < 0x1p40)) return false;
        auto a = static_cast<std::int64_t>(whole);
        std::int64_t h, k;
        if (__builtin_mul_overflow(a, h1, &h) || __builtin_add_overflow(h, h0, &h) ||
            __builtin_mul_overflow(a, k1, &k) || __builtin_add_overflow(k, k0, &k) ||
            k > (std::int64_t{1} << 40))
            return false;
        if (std::fabs(x - static_cast<double>(h) / static_cast<double>(k)) <= near) {
            p = v < 0 ? -h : h;
            q = k;
            return true;
        }
        if (rest == whole) return false;
        rest = 1 / (rest - whole);
        h0 = h1;
        h1 = h;
        k0 = k1;
        k1 = k;
    }
    return false;
}

bool overOneDenominator(const double* v, int n, std::int64_t* out, std::int64_t& den) {
    std::int64_t p[tab_cols], q[tab_cols];
    den = 1;
    for (int i = 1; i <= n; i++) {
        // The denominator so far first: the values of one solution share
        // theirs.
        double t = v[i] * static_cast<double>(den), whole = std::nearbyint(t);
        if (std::fabs(t - whole) <= 0x1p-42 * std::fmax(1.0, std::fabs(t)) &&
            std::fabs(whole) < 0x1p62) {
            p[i] = static_cast<std::int64_t>(whole);
            q[i] = den;
            continue;
        }
        if (!fraction(v[i], p[i], q[i])) return false;
        std::int64_t step = q[i] / std::gcd(den, q[i]);
        if (__builtin_mul_overflow(den, step, &den)) return false;
    }
    for (int i = 1; i <= n; i++)
        if (__builtin_mul_overflow(p[i], den / q[i], &out[i])) return false;
    return true;
}

mpz_class bigOf(Wide v) {
    bool negative = v < 0;
    UnsignedWide u = negative ? -static_cast<UnsignedWide>(v) : static_cast<UnsignedWide>(v);
    mpz_class z(static_cast<unsigned long>(u >> 64));
    z <<= 64;
    z += static_cast<unsigned long>(u & ~0UL);
    return negative ? mpz_class(-z) : z;
}

double nearestOf(Wide num, Wide den) {
    constexpr Wide exact_limit = Wide{1} << 53;
    if (num == 0) return 0;
    if (num < exact_limit && num > -exact_limit && den < exact_limit)
        return static_cast<double>(num) / static_cast<double>(den);
    mpq_class q(bigOf(num), bigOf(den));
    q.canonicalize();
    return nearest_double(q);
}

mpq_class fractionOf(Wide num, Wide den) {
    constexpr Wide small = Wide{1} << 62;
    mpq_class q;
    if (num > -small && num < small && den < small) {
        auto n = static_cast<std::int64_t>(num), d = static_cast<std::int64_t>(den);
        std::int64_t g = std::gcd(n, d);
        mpz_set_si(mpq_numref(q.get_mpq_t()), static_cast<long>(n / g));
        mpz_set_si(mpq_denref(q.get_mpq_t()), static_cast<long>(d / g));
        return q;
    }
    q = mpq_class(bigOf(num), bigOf(den));
    q.canonicalize();
    return q;
}

bool Decimals::read(const Store& s) {
    stride = s.model.num_vars + 1;
    for (int r = 1; r <= s.model.num_cons; r++) {
        if (!decimal_of(s.model.rrhs[r], rhs[r])) return false;
        for (int j = 1; j <= s.model.num_vars; j++)
            if (!decimal_of(s.model.a_read[r][j], entries[r * stride + j])) return false;
    }
    for (int j = 1; j <= s.model.num_vars; j++)
        if (!decimal_of(s.tab.cost[j], cost[j])) return false;
    return true;
}

AddedColumns::AddedColumns(const Store& s) {
    for (int r = 1; r <= s.model.num_cons; r++) {
        row[s.tab.added_col[r]] = r;
        sign[s.tab.added_col[r]] = static_cast<int>(addedSign(s, r));
        if (int k = s.tab.art_col[r]) {
            row[k] = r;
            sign[k] = 1;
        }
    }
}

} // namespace zep::detail
