#include "check/reconstruct.h"

#include <gmpxx.h>

#include <cmath>
#include <numeric>

#include "check/certificate.h"
#include "check/exact.h"

namespace zep::detail {

namespace {

// Sums of products of two 64-bit numbers, each product exact.
__extension__ typedef __int128 Wide;
__extension__ typedef unsigned __int128 UnsignedWide;

constexpr int most_places = 18;
constexpr double power_double[most_places + 1] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,
                                                  1e7,  1e8,  1e9,  1e10, 1e11, 1e12, 1e13,
                                                  1e14, 1e15, 1e16, 1e17, 1e18};

constexpr std::int64_t powerOfTen(int k) {
    std::int64_t p = 1;
    for (int i = 0; i < k; i++) p *= 10;
    return p;
}

bool product(Wide a, Wide b, Wide& out) {
    return !__builtin_mul_overflow(a, b, &out);
}

bool accumulate(Wide& sum, Wide a, Wide b) {
    Wide t;
    return product(a, b, t) && !__builtin_add_overflow(sum, t, &sum);
}

// The decimal d written with places decimals (at least its own).
Wide atPlaces(const Decimal& d, int places) {
    return Wide{d.digits} * powerOfTen(places - d.places);
}

// The simplest fraction p/q (q > 0) within a small distance of v, by its
// continued fraction. Only a guess: the exact check of the whole solution
// decides whether it stands.
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

// v[1..n] as whole numbers over one denominator: out[i] / den.
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

// The double nearest to num / den, den > 0, as the exact path rounds.
double nearestOf(Wide num, Wide den) {
    constexpr Wide exact_limit = Wide{1} << 53;
    if (num == 0) return 0;
    if (num < exact_limit && num > -exact_limit && den < exact_limit)
        return static_cast<double>(num) / static_cast<double>(den);
    mpq_class q(bigOf(num), bigOf(den));
    q.canonicalize();
    return nearest_double(q);
}

Interval point(Wide num, Wide den) {
    double n = nearestOf(num, den);
    return {n, n};
}

// The model's numbers as decimals: entries, right-hand sides and costs.
struct Decimals {
    Decimal a[tab_rows][tab_cols];
    Decimal rhs[tab_rows];
    Decimal cost[tab_cols];

    bool read(const Store& s) {
        for (int r = 1; r <= s.model.num_cons; r++) {
            if (!decimal_of(s.model.rrhs[r], rhs[r])) return false;
            for (int j = 1; j <= s.model.num_vars; j++)
                if (!decimal_of(s.model.a_read[r][j], a[r][j])) return false;
        }
        for (int j = 1; j <= s.model.num_vars; j++)
            if (!decimal_of(s.tab.cost[j], cost[j])) return false;
        return true;
    }
};

// The row of each added column, and its entry there.
struct AddedColumns {
    int row[tab_cols] = {};
    int sign[tab_cols] = {};

    explicit AddedColumns(const Store& s) {
        for (int r = 1; r <= s.model.num_cons; r++) {
            row[s.tab.added_col[r]] = r;
            sign[s.tab.added_col[r]] = static_cast<int>(addedSign(s, r));
            if (int k = s.tab.art_col[r]) {
                row[k] = r;
                sign[k] = 1;
            }
        }
    }
};

// B x = b exactly, x of basic column p being x[p] / den: row by row, each
// row's decimals scaled to whole numbers.
bool pointHolds(const Store& s, const Decimals& dec, const AddedColumns& added,
                const std::int64_t* x, std::int64_t den) {
    const int m = s.model.num_cons;
    for (int r = 1; r <= m; r++) {
        int places = dec.rhs[r].places;
        for (int p = 1; p <= m; p++) {
            int j = s.tab.basis_index[p];
            if (j <= s.model.num_vars && x[p] != 0) places = std::max(places, dec.a[r][j].places);
        }
        Wide sum = 0;
        for (int p = 1; p <= m; p++) {
            int j = s.tab.basis_index[p];
            if (x[p] == 0) continue;
            Wide entry;
            if (j <= s.model.num_vars && s.model.a_read[r][j] != 0)
                entry = atPlaces(dec.a[r][j], places);
            else if (added.row[j] == r)
                entry = added.sign[j] * powerOfTen(places);
            else
                continue;
            if (!accumulate(sum, entry, x[p])) return false;
        }
        Wide rhs;
        if (!product(atPlaces(dec.rhs[r], places), den, rhs) || rhs != sum) return false;
    }
    return true;
}

// The reduced cost of every column at y (y[r] / den), into b.d; false
// where a basic column's is not exactly zero.
bool reducedCostsHold(const Store& s, const Decimals& dec, const AddedColumns& added,
                      const std::int64_t* y, std::int64_t den, BasisBounds& b) {
    const int m = s.model.num_cons;
    for (int j = 1; j <= s.model.num_vars; j++) {
        int places = dec.cost[j].places;
        for (int r = 1; r <= m; r++)
            if (y[r] != 0) places = std::max(places, dec.a[r][j].places);
        Wide sum = 0;
        if (!accumulate(sum, atPlaces(dec.cost[j], places) * static_cast<int>(s.model.z_mult), den))
            return false;
        for (int r = 1; r <= m; r++)
            if (y[r] != 0 && !accumulate(sum, -atPlaces(dec.a[r][j], places), y[r])) return false;
        if (s.tab.col_status[j] > 0 && sum != 0) return false;
        Wide scale;
        if (!product(powerOfTen(places), den, scale)) return false;
        b.d[j] = point(sum, scale);
    }
    for (int j = s.model.num_vars + 1; j <= s.tab.last_col; j++) {
        Wide d = added.row[j] ? -Wide{added.sign[j]} * y[added.row[j]] : 0;
        if (s.tab.col_status[j] > 0 && d != 0) return false;
        b.d[j] = point(d, den);
    }
    return true;
}

// A canonical fraction of num / den, den > 0.
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

// An entry of a row that the pivots carry along (the objective rows): a
// decimal num / 10^places.
struct Weight {
    Wide num = 0;
    int places = 0;
};

void addTo(Weight& w, const Decimal& d, int sign) {
    int places = std::max(w.places, d.places);
    w.num = w.num * powerOfTen(places - w.places) + sign * atPlaces(d, places);
    w.places = places;
}

// The weights of the objective row and of the phase-1 row as the standard
// form starts them (their columns of the starting tableau).
bool startWeights(const Store& s, const Decimals& dec, Weight* cost, Weight* phase1) {
    for (int j = 0; j <= s.tab.last_col; j++) cost[j] = phase1[j] = Weight{};
    Decimal constant;
    if (!decimal_of(s.model.obj_const, constant)) return false;
    addTo(cost[0], constant, -static_cast<int>(s.model.z_mult));
    for (int j = 1; j <= s.model.num_vars; j++)
        addTo(cost[j], dec.cost[j], static_cast<int>(s.model.z_mult));
    for (int r = 1; r <= s.model.num_cons; r++) {
        if (!s.tab.art_col[r]) continue;
        for (int j = 1; j <= s.model.num_vars; j++) addTo(phase1[j], dec.a[r][j], -1);
        addTo(phase1[0], dec.rhs[r], 1);
        if (s.tab.row_type[r] < 0) phase1[s.tab.added_col[r]] = Weight{1, 0};
    }
    return true;
}

// Entry c of a carried row w at the basis: w_c less w_B times column c of
// the tableau (x / den).
bool carried(const Store& s, const Weight* w, int c, const std::int64_t* x, std::int64_t den,
             mpq_class& out) {
    const int m = s.model.num_cons;
    int places = w[c].places;
    for (int p = 1; p <= m; p++)
        if (x[p] != 0) places = std::max(places, w[s.tab.basis_index[p]].places);
    Wide sum;
    if (!product(w[c].num * powerOfTen(places - w[c].places), den, sum)) return false;
    for (int p = 1; p <= m; p++) {
        const Weight& b = w[s.tab.basis_index[p]];
        if (x[p] != 0 && b.num != 0 &&
            !accumulate(sum, -b.num * powerOfTen(places - b.places), x[p]))
            return false;
    }
    Wide scale;
    if (!product(powerOfTen(places), den, scale)) return false;
    out = fractionOf(sum, scale);
    return true;
}

// B x = column c of [b A] exactly, x[p] / den, each row at the places of
// its basic entries (basic[r][p]) or of the column's entry if more.
bool columnHolds(const Store& s, const Decimals& dec, const AddedColumns& added,
                 const Wide (*basic)[tab_rows], const int* places, int c, const std::int64_t* x,
                 std::int64_t den) {
    const int m = s.model.num_cons;
    for (int r = 1; r <= m; r++) {
        Decimal a{0, 0};
        if (c == 0)
            a = dec.rhs[r];
        else if (c <= s.model.num_vars)
            a = dec.a[r][c];
        else if (added.row[c] == r)
            a = {added.sign[c], 0};
        Wide sum = 0;
        for (int p = 1; p <= m; p++)
            if (x[p] != 0 && basic[r][p] != 0 && !accumulate(sum, basic[r][p], x[p])) return false;
        int at = std::max(places[r], a.places);
        Wide lhs, rhs;
        if (!product(sum, powerOfTen(at - places[r]), lhs) || !product(atPlaces(a, at), den, rhs) ||
            lhs != rhs)
            return false;
    }
    return true;
}

} // namespace

bool decimal_of(double v, Decimal& out) {
    if (v == std::trunc(v)) {
        if (!(std::fabs(v) < 0x1p53)) return false;
        out = {static_cast<std::int64_t>(v), 0};
        return true;
    }
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

bool exact_basis_solution(const Store& s, BasisBounds& b) {
    const int m = s.model.num_cons;
    if (!only_non_negative(s)) return false;
    double value[tab_rows], dual[tab_rows];
    for (int p = 1; p <= m; p++) {
        value[p] = s.tab.a_mat[p][s.tab.rhs_col];
        dual[p] = -s.tab.a_mat[0][s.tab.added_col[p]] / addedSign(s, p);
    }
    std::int64_t x[tab_rows], y[tab_rows], x_den, y_den;
    if (!overOneDenominator(value, m, x, x_den) || !overOneDenominator(dual, m, y, y_den))
        return false;
    Decimals dec;
    if (!dec.read(s)) return false;
    AddedColumns added(s);
    if (!pointHolds(s, dec, added, x, x_den) || !reducedCostsHold(s, dec, added, y, y_den, b))
        return false;
    for (int j = 1; j <= s.tab.last_col; j++) b.x[j] = {0, 0};
    for (int p = 1; p <= m; p++) b.x[s.tab.basis_index[p]] = point(x[p], x_den);
    for (int r = 1; r <= m; r++) b.y[r] = point(y[r], y_den);
    int places = 0;
    for (int p = 1; p <= m; p++) {
        int j = s.tab.basis_index[p];
        if (j <= s.model.num_vars) places = std::max(places, dec.cost[j].places);
    }
    Decimal constant;
    if (!decimal_of(s.model.obj_const, constant)) return false;
    places = std::max(places, constant.places);
    Wide objective = 0;
    if (!accumulate(objective, atPlaces(constant, places) * static_cast<int>(s.model.z_mult),
                    x_den))
        return false;
    for (int p = 1; p <= m; p++) {
        int j = s.tab.basis_index[p];
        if (j > s.model.num_vars) continue;
        Wide c = atPlaces(dec.cost[j], places) * static_cast<int>(s.model.z_mult);
        if (!accumulate(objective, c, x[p])) return false;
    }
    Wide scale;
    if (!product(powerOfTen(places), x_den, scale)) return false;
    b.objective = point(objective, scale);
    return true;
}

} // namespace zep::detail

namespace zep::detail {

bool reconstructed_tableau(const Store& s, ExactTableau& e) {
    if (!only_non_negative(s)) return false;
    const int m = s.model.num_cons;
    Decimals dec;
    if (!dec.read(s)) return false;
    AddedColumns added(s);
    Wide basic[tab_rows][tab_rows];
    int places[tab_rows];
    for (int r = 1; r <= m; r++) {
        places[r] = 0;
        for (int p = 1; p <= m; p++) {
            int j = s.tab.basis_index[p];
            if (j <= s.model.num_vars) places[r] = std::max(places[r], dec.a[r][j].places);
        }
        for (int p = 1; p <= m; p++) {
            int j = s.tab.basis_index[p];
            basic[r][p] = j <= s.model.num_vars ? atPlaces(dec.a[r][j], places[r])
                          : added.row[j] == r   ? added.sign[j] * Wide{powerOfTen(places[r])}
                                                : 0;
        }
    }
    Weight cost[tab_cols], phase1[tab_cols];
    if (!startWeights(s, dec, cost, phase1)) return false;
    ExactTableau t;
    // Each row made in place: a zero copied from a model row would allocate.
    t.a.resize(static_cast<std::size_t>(s.tab.last_row + 1));
    for (auto& row : t.a) row.resize(static_cast<std::size_t>(s.tab.last_col + 1));
    t.basis.assign(static_cast<std::size_t>(m + 1), 0);
    t.status.assign(static_cast<std::size_t>(s.tab.last_col + 1), 0);
    for (int p = 1; p <= m; p++) {
        t.basis[p] = s.tab.basis_index[p];
        t.status[t.basis[p]] = p;
    }
    bool phase1_row = s.tab.num_artif > 0;
    double value[tab_rows];
    std::int64_t x[tab_rows], den;
    for (int c = 0; c <= s.tab.last_col; c++) {
        if (c > 0 && s.tab.col_status[c] > 0) {
            t.a[s.tab.col_status[c]][c] = 1;
            continue;
        }
        for (int p = 1; p <= m; p++) value[p] = s.tab.a_mat[p][c];
        if (!overOneDenominator(value, m, x, den) ||
            !columnHolds(s, dec, added, basic, places, c, x, den))
            return false;
        for (int p = 1; p <= m; p++)
            if (x[p] != 0) t.a[p][c] = fractionOf(x[p], den);
        if (!carried(s, cost, c, x, den, t.a[0][c])) return false;
        if (phase1_row && !carried(s, phase1, c, x, den, t.a[s.tab.ph1_row][c])) return false;
    }
    t.at_basis = true;
    e = std::move(t);
    return true;
}

} // namespace zep::detail
