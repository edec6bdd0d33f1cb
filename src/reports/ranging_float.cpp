// Ranging from the floating-point tableau, proven. The exact tableau of the
// final basis B is B^-1 [b A] for the model's numbers as written; R, the
// tableau's columns of the starting basis, is an approximate inverse. With
// E = I - R B and rho = ||E|| < 1 (bounded rigorously), the error of a
// tableau column x against the exact one obeys
//   |x* - x| <= |R| |r| + |E| 1 ||R r|| / (1 - rho),   r = a - B x,
// the residual taken with the rounding bound of each sum. Every ratio and
// limit is then an interval; where an interval leaves a sign, an order
// between candidates or a printed digit open, the exact tableau decides.
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "check/certificate.h"
#include "check/digits.h"
#include "reports/ranging.h"
#include "simplex/artificial.h"

namespace zep::detail {

namespace {

// Bounds of a few roundings each: a computed bound times grow stays a bound.
constexpr double grow = 1 + 0x1p-40;

// A closed interval that holds an exact value.
struct Iv {
    double lo, hi;
};

Iv around(double x, double err) {
    if (err == 0) return {x, x};
    return {std::nextafter(x - err, -HUGE_VAL), std::nextafter(x + err, HUGE_VAL)};
}

// A model number: the decimal written lies within half a unit of x.
Iv written(double x) {
    if (x == std::trunc(x) && std::fabs(x) < 0x1p53) return {x, x};
    return around(x, std::fabs(x) * unit_roundoff + smallest);
}

// Sums and quotients of two exact values stay exact where no rounding
// happened, so that a limit such as 2.0625 prints its own digits.
Iv add(Iv a, Iv b) {
    if (a.lo == a.hi && b.lo == b.hi) {
        double s = a.lo + b.lo;
        double bb = s - a.lo;
        if (std::isfinite(s) && (a.lo - (s - bb)) + (b.lo - bb) == 0) return {s, s};
    }
    return {std::nextafter(a.lo + b.lo, -HUGE_VAL), std::nextafter(a.hi + b.hi, HUGE_VAL)};
}

Iv neg(Iv a) {
    return {-a.hi, -a.lo};
}

// +1 or -1 where the interval settles the sign, 0 for an exact zero,
// undecided otherwise.
int sign(Iv a) {
    if (a.lo > 0) return 1;
    if (a.hi < 0) return -1;
    if (a.lo == 0 && a.hi == 0) return 0;
    return undecided;
}

// a / b for b clear of zero.
Iv quotient(Iv a, Iv b) {
    if (a.lo == a.hi && b.lo == b.hi) {
        double q = a.lo / b.lo;
        if (std::isnormal(q) && std::fma(q, b.lo, -a.lo) == 0) return {q, q};
        if (a.lo == 0) return {0, 0};
    }
    double q[4] = {a.lo / b.lo, a.lo / b.hi, a.hi / b.lo, a.hi / b.hi};
    double lo = std::fmin(std::fmin(q[0], q[1]), std::fmin(q[2], q[3]));
    double hi = std::fmax(std::fmax(q[0], q[1]), std::fmax(q[2], q[3]));
    return {std::nextafter(lo, -HUGE_VAL), std::nextafter(hi, HUGE_VAL)};
}

double magnitude(Iv a) {
    return std::fmax(std::fabs(a.lo), std::fabs(a.hi));
}

// The significant bits of a normal double; 64 for any other, so that a
// product with it never counts as exact.
int significantBits(double x) {
    if (x == 0) return 0;
    if (!std::isnormal(x)) return 64;
    std::uint64_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    std::uint64_t mantissa = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
    return 53 - std::countr_zero(mantissa);
}

// A sum with its rounding bound, which also notes whether every product
// and addition in it was exact, each model number a whole number (whose
// decimal is the double itself): then the sum is exact, its bound 0 beyond
// its own value. Small whole-number models keep many tableau columns exact
// this way, and their zeros prove to be zeros.
struct Tracked {
    Sum sum{};
    bool exact = true;

    void add(double t) {
        double before = sum.sum;
        sum.add(t);
        noteSum(before, t);
    }
    void addModel(double a, double v) {
        double before = sum.sum;
        double p = a * v;
        if (a != std::trunc(a) || std::fabs(a) >= 0x1p53 ||
            significantBits(a) + significantBits(v) > 53 || (p != 0 && !std::isnormal(p)))
            exact = false;
        sum.addModel(a, v);
        noteSum(before, p);
    }
    // Knuth's two-sum: the rounding error of before + t is zero.
    void noteSum(double before, double t) {
        double s = sum.sum;
        double bb = s - before;
        if ((before - (s - bb)) + (t - bb) != 0) exact = false;
    }
    double bound() const {
        if (!std::isfinite(sum.sum) || !std::isfinite(sum.size)) return HUGE_VAL;
        if (sum.size == 0 && !sum.lost) return 0;
        if (exact && !sum.lost) return std::fabs(sum.sum);
        return (std::fabs(sum.sum) + sum.error()) * grow;
    }
};

// Entry (l, j) of [b A] as the standard form lays it out, added to sum
// times v: a model number or an exact 0, 1 or -1.
void addEntry(const Store& s, Tracked& sum, int l, int j, double v) {
    if (j == 0) {
        sum.addModel(s.model.rrhs[l], v);
    } else if (j <= s.model.num_vars) {
        if (s.model.a_read[l][j] != 0) sum.addModel(s.model.a_read[l][j], v);
    } else if (s.tab.added_col[l] == j) {
        sum.add(s.tab.row_type[l] < 0 ? -v : v);
    } else if (s.tab.art_col[l] == j) {
        sum.add(v);
    }
}

// The error bounds of the tableau's entries: err[k][j] for rows 0 to m.
class TableauBounds {
  public:
    explicit TableauBounds(const Store& st) : s(st), m(st.model.num_cons) {}

    bool start() {
        for (int k = 1; k <= m; k++)
            for (int i = 1; i <= m; i++) {
                int start = s.tab.art_col[i] ? s.tab.art_col[i] : s.tab.added_col[i];
                r[k][i] = s.tab.a_mat[k][start];
            }
        // A basic slack, surplus or artificial column has its one entry in
        // the row it belongs to: the sum over the rows has that one term.
        int owner[tab_cols] = {};
        for (int l = 1; l <= m; l++) {
            owner[s.tab.added_col[l]] = l;
            owner[s.tab.art_col[l]] = l;
        }
        owner[0] = 0;
        // The rows of the basic columns with an entry in row l, in order.
        for (int l = 1; l <= m; l++) {
            in_row_count[l] = 0;
            for (int k = 1; k <= m; k++) {
                int j = s.tab.basis_index[k];
                bool entry = j > s.model.num_vars ? owner[j] == l : s.model.a_read[l][j] != 0;
                if (entry) in_row[l][in_row_count[l]++] = k;
            }
        }
        double worst = 0;
        for (int k = 1; k <= m; k++) {
            erow[k] = 0;
            for (int i = 1; i <= m; i++) {
                Tracked e;
                if (k == i) e.add(-1.0);
                int j = s.tab.basis_index[i];
                int l = j > s.model.num_vars ? owner[j] : 0;
                if (l != 0) {
                    if (r[k][l] != 0) addEntry(s, e, l, j, r[k][l]);
                } else {
                    for (l = 1; l <= m; l++)
                        if (r[k][l] != 0) addEntry(s, e, l, j, r[k][l]);
                }
                erow[k] = erow[k] + e.bound();
            }
            erow[k] = erow[k] * grow;
            worst = std::fmax(worst, erow[k]);
        }
        rho = worst;
        return rho < 0.5;
    }

    // Bounds of column j in rows 1 to m and in row 0; false when they are
    // not finite.
    bool column(int j) {
        double res[tab_rows];
        for (int l = 1; l <= m; l++) {
            Tracked sum;
            addEntry(s, sum, l, j, 1.0);
            for (int n = 0; n < in_row_count[l]; n++) {
                int k = in_row[l][n];
                if (s.tab.a_mat[k][j] != 0)
                    addEntry(s, sum, l, s.tab.basis_index[k], -s.tab.a_mat[k][j]);
            }
            res[l] = sum.bound();
        }
        double rr[tab_rows], norm = 0;
        for (int k = 1; k <= m; k++) {
            double t = 0;
            for (int l = 1; l <= m; l++) t = t + std::fabs(r[k][l]) * res[l];
            rr[k] = t * (1 + (m + 4) * 0x1p-52);
            norm = std::fmax(norm, rr[k]);
        }
        double spread = norm / (1 - rho) * grow;
        for (int k = 1; k <= m; k++) err[k][j] = (rr[k] + erow[k] * spread) * grow;
        // Row 0: a_mat[0][j] less c_j - c_B x, with c_B's share of the
        // entries' errors.
        Tracked d;
        d.add(s.tab.a_mat[0][j]);
        if (j >= 1 && j <= s.model.num_vars) d.addModel(s.tab.cost[j], -s.model.z_mult);
        double share = 0;
        for (int k = 1; k <= m; k++) {
            int b = s.tab.basis_index[k];
            if (b > s.model.num_vars || s.tab.cost[b] == 0) continue;
            if (s.tab.a_mat[k][j] != 0)
                d.addModel(s.tab.cost[b], s.model.z_mult * s.tab.a_mat[k][j]);
            share = share + std::fabs(s.tab.cost[b]) * (1 + 0x1p-52) * err[k][j];
        }
        err[0][j] = (d.bound() + share * (1 + (m + 4) * 0x1p-52)) * grow;
        for (int k = 0; k <= m; k++)
            if (!std::isfinite(err[k][j])) return false;
        return j == 0 || !artificialBasic(s) || phase1Column(j);
    }

    Iv entry(int k, int j) const { return around(s.tab.a_mat[k][j], err[k][j]); }

  private:
    const Store& s;
    int m;
    double r[tab_rows][tab_rows];
    int in_row[tab_rows][tab_rows];
    int in_row_count[tab_rows];
    double erow[tab_rows];
    double rho = 1;
    double err[tab_rows][tab_cols];

    // The phase-1 row, which the pivots carry along, is c1_j less the sum
    // of the column's entries in the rows of basic artificials (c1 is 1
    // for an artificial column, 0 for any other).
    bool phase1Column(int j) {
        int p1 = s.tab.ph1_row;
        if (p1 != m + 1) return false;
        Tracked d;
        d.add(s.tab.a_mat[p1][j]);
        if (s.tab.isart[j]) d.add(-1.0);
        double share = 0;
        for (int k = 1; k <= m; k++) {
            if (!s.tab.isart[s.tab.basis_index[k]]) continue;
            if (s.tab.a_mat[k][j] != 0) d.add(s.tab.a_mat[k][j]);
            share = share + err[k][j];
        }
        err[p1][j] = (d.bound() + share * (1 + (m + 4) * 0x1p-52)) * grow;
        return std::isfinite(err[p1][j]);
    }
};

// One side of a range: the nearest ratio so far, and the least magnitude
// of a ratio whose entry may or may not be zero.
struct Side {
    Iv ratio{0, 0};
    int at = 0;
    bool open = false; // the order of two candidates is not settled
};

// Offers candidate q at column (or basic column) j to a side where nearer
// means smaller when up, larger when not.
void offer(Side& side, Iv q, int j, bool up) {
    if (side.at == 0) {
        side = {q, j, side.open};
        return;
    }
    bool nearer = up ? q.hi < side.ratio.lo : q.lo > side.ratio.hi;
    bool farther = up ? q.lo > side.ratio.hi : q.hi < side.ratio.lo;
    if (nearer)
        side = {q, j, side.open};
    else if (!farther)
        side.open = true;
}

// An entry that may be zero: skipped if it is, else a ratio of at least
// least in magnitude on one side or the other. Either way it cannot limit
// a side whose limit is nearer.
bool maybeClear(const Side& side, double least) {
    return side.at != 0 && magnitude(side.ratio) < least;
}

bool limitOf(const Side& side, Iv current, bool subtract, const char* format, Limit& out) {
    if (side.open) return false;
    if (side.at == 0) {
        out = {0, 0};
        return true;
    }
    Iv value = add(current, subtract ? neg(side.ratio) : side.ratio);
    if (!prints_same(format, value.lo, value.hi)) return false;
    out = {value.lo / 2 + value.hi / 2, side.at};
    return true;
}

// While an artificial stays basic, a column whose move would raise the
// phase-1 objective (its phase-1 reduced cost above zero) is held at zero:
// 1 when held, 0 when not, undecided where the bound leaves it open.
int held(const Store& s, const TableauBounds& t, int j) {
    if (!artificialBasic(s)) return 0;
    int rise = sign(t.entry(s.tab.ph1_row, j));
    if (rise == undecided) return undecided;
    if (s.tab.col_status[j] != 0) rise = -rise;
    return rise > 0 ? 1 : 0;
}

bool basicCost(const Store& s, const TableauBounds& t, int v, RangeLine& line) {
    int r = s.tab.col_status[v];
    Side up, lo;
    double least = HUGE_VAL;
    for (int j = 1; j <= s.tab.last_col; j++) {
        if (s.tab.col_status[j] > 0 || s.tab.isart[j]) continue;
        int h = held(s, t, j);
        if (h == undecided) return false;
        if (h) continue;
        Iv e = t.entry(r, j), d = t.entry(0, j);
        int se = sign(e);
        if (se == 0) continue;
        if (se == undecided) {
            if (sign(d) != 1) return false;
            least = std::fmin(least, d.lo / magnitude(e) * (1 - 0x1p-50));
            continue;
        }
        int side = s.tab.col_status[j] < 0 ? -1 : 1;
        Iv q = quotient(d, e);
        if (s.model.z_mult < 0) q = neg(q);
        bool upper = s.model.z_mult * side * se > 0;
        int sq = sign(q);
        if (sq == undecided) return false;
        if (upper && sq >= 0) offer(up, q, j, true);
        if (!upper && sq <= 0) offer(lo, q, j, false);
    }
    if (least != HUGE_VAL && !(maybeClear(up, least) && maybeClear(lo, least))) return false;
    Iv c = written(s.tab.cost[v]);
    line = {s.tab.varname[v], s.tab.cost[v], {}, {}};
    return limitOf(up, c, false, "%13.3lf ", line.upper) &&
           limitOf(lo, c, false, "%13.3lf ", line.lower);
}

bool nonbasicCost(const Store& s, const TableauBounds& t, int v, RangeLine& line) {
    int h = held(s, t, v);
    if (h == undecided) return false;
    if (h) {
        line = {s.tab.varname[v], s.tab.cost[v], {0, 0}, {0, 0}};
        return true;
    }
    Iv d = t.entry(0, v);
    Side limit;
    limit.ratio = s.model.z_mult < 0 ? d : neg(d);
    limit.at = v;
    line = {s.tab.varname[v], s.tab.cost[v], {0, 0}, {0, 0}};
    bool side_up = s.tab.col_status[v] != 0;
    Limit& l = s.model.z_mult * (side_up ? -1.0 : 1.0) < 0 ? line.upper : line.lower;
    return limitOf(limit, written(s.tab.cost[v]), false, "%13.3lf ", l);
}

bool rhsLine(const Store& s, const TableauBounds& t, int i, RangeLine& line) {
    int j = s.tab.added_col[i];
    Iv b = written(s.model.rrhs[i]);
    line = {s.model.rname[i], s.model.rrhs[i], {0, 0}, {0, 0}};
    if (s.tab.col_status[j] > 0) {
        Side w;
        w.ratio = t.entry(s.tab.col_status[j], 0);
        w.at = j;
        if (s.tab.row_type[i] > 0) return limitOf(w, b, true, "%13.2lf ", line.lower);
        if (s.tab.row_type[i] < 0) return limitOf(w, b, false, "%13.2lf ", line.upper);
        // A basic artificial has to stay at zero: the right-hand side of
        // its equality cannot move either way.
        w.ratio = {0, 0};
        return limitOf(w, b, true, "%13.2lf ", line.upper) &&
               limitOf(w, b, true, "%13.2lf ", line.lower);
    }
    int sigma = s.tab.row_type[i] < 0 ? -1 : 1;
    Side pos, negative;
    double least = HUGE_VAL;
    for (int k = 1; k <= s.model.num_cons; k++) {
        Iv a = t.entry(k, j), beta = t.entry(k, 0);
        int sa = sign(a);
        if (sa == 0) continue;
        int basic = s.tab.basis_index[k];
        if (s.tab.isart[basic]) {
            // A basic artificial may not leave zero in either direction.
            if (sa == undecided) return false;
            offer(pos, {0, 0}, basic, true);
            offer(negative, {0, 0}, basic, false);
            continue;
        }
        if (sa == undecided) {
            if (sign(beta) != 1) return false;
            least = std::fmin(least, beta.lo / magnitude(a) * (1 - 0x1p-50));
            continue;
        }
        // A level at zero limits the side on which it falls.
        int sb = sign(beta);
        if (sb == undecided) return false;
        bool falls = sb * sigma * sa > 0 || (sb == 0 && sigma * sa > 0);
        Iv q = quotient(beta, a);
        if (sigma < 0) q = neg(q);
        if (falls)
            offer(pos, q, s.tab.basis_index[k], true);
        else
            offer(negative, q, s.tab.basis_index[k], false);
    }
    if (least != HUGE_VAL && !(maybeClear(pos, least) && maybeClear(negative, least))) return false;
    return limitOf(negative, b, true, "%13.2lf ", line.upper) &&
           limitOf(pos, b, true, "%13.2lf ", line.lower);
}

} // namespace

bool float_ranging(const Store& s, Ranging& out) {
    TableauBounds t(s);
    if (!t.start()) return false;
    for (int j = 0; j <= s.tab.last_col; j++)
        if ((j == 0 || s.tab.col_status[j] <= 0) && !t.column(j)) return false;
    out.cost.assign(static_cast<std::size_t>(s.model.num_vars), {});
    out.rhs.assign(static_cast<std::size_t>(s.model.num_cons), {});
    for (int v = 1; v <= s.model.num_vars; v++) {
        RangeLine& line = out.cost[static_cast<std::size_t>(v - 1)];
        bool decided =
            s.tab.col_status[v] > 0 ? basicCost(s, t, v, line) : nonbasicCost(s, t, v, line);
        if (!decided) return false;
    }
    for (int i = 1; i <= s.model.num_cons; i++)
        if (!rhsLine(s, t, i, out.rhs[static_cast<std::size_t>(i - 1)])) return false;
    return true;
}

} // namespace zep::detail
