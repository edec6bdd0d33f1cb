// Ranging from the floating-point tableau, proven: each entry within its
// rigorous bound (reports/tableau_bounds.h), every ratio and limit is an
// interval; where an interval leaves a sign, an order between candidates or
// a printed digit open, the exact tableau decides.
#include <cmath>

#include "check/certificate.h"
#include "check/digits.h"
#include "reports/ranging.h"
#include "reports/tableau_bounds.h"
#include "simplex/artificial.h"

namespace zep::detail {

namespace {

// A model number: the decimal written lies within half a unit of x.
Interval written(double x) {
    if (x == std::trunc(x) && std::fabs(x) < 0x1p53) return {x, x};
    return around(x, std::fabs(x) * unit_roundoff + smallest);
}

// Sums and quotients of two exact values stay exact where no rounding
// happened, so that a limit such as 2.0625 prints its own digits.
Interval add(Interval a, Interval b) {
    if (a.lo == a.hi && b.lo == b.hi) {
        double s = a.lo + b.lo;
        double bb = s - a.lo;
        if (std::isfinite(s) && (a.lo - (s - bb)) + (b.lo - bb) == 0) return {s, s};
    }
    return {std::nextafter(a.lo + b.lo, -HUGE_VAL), std::nextafter(a.hi + b.hi, HUGE_VAL)};
}

Interval neg(Interval a) {
    return {-a.hi, -a.lo};
}

// +1 or -1 where the interval settles the sign, 0 for an exact zero,
// undecided otherwise.
int sign(Interval a) {
    if (a.lo > 0) return 1;
    if (a.hi < 0) return -1;
    if (a.lo == 0 && a.hi == 0) return 0;
    return undecided;
}

// a / b for b clear of zero.
Interval quotient(Interval a, Interval b) {
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

double magnitude(Interval a) {
    return std::fmax(std::fabs(a.lo), std::fabs(a.hi));
}

// One side of a range: the nearest ratio so far, and the least magnitude
// of a ratio whose entry may or may not be zero.
struct Side {
    Interval ratio{0, 0};
    int at = 0;
    bool open = false; // the order of two candidates is not settled
};

// Offers candidate q at column (or basic column) j to a side where nearer
// means smaller when up, larger when not.
void offer(Side& side, Interval q, int j, bool up) {
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

bool limitOf(const Side& side, Interval current, bool subtract, const char* format, Limit& out) {
    if (side.open) return false;
    if (side.at == 0) {
        out = {0, 0};
        return true;
    }
    Interval value = add(current, subtract ? neg(side.ratio) : side.ratio);
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
        Interval e = t.entry(r, j), d = t.entry(0, j);
        int se = sign(e);
        if (se == 0) continue;
        if (se == undecided) {
            if (sign(d) != 1) return false;
            least = std::fmin(least, d.lo / magnitude(e) * (1 - 0x1p-50));
            continue;
        }
        int side = s.tab.col_status[j] < 0 ? -1 : 1;
        Interval q = quotient(d, e);
        if (s.model.z_mult < 0) q = neg(q);
        bool upper = s.model.z_mult * side * se > 0;
        int sq = sign(q);
        if (sq == undecided) return false;
        if (upper && sq >= 0) offer(up, q, j, true);
        if (!upper && sq <= 0) offer(lo, q, j, false);
    }
    if (least != HUGE_VAL && !(maybeClear(up, least) && maybeClear(lo, least))) return false;
    Interval c = written(s.tab.cost[v]);
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
    Interval d = t.entry(0, v);
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
    Interval b = written(s.model.rrhs[i]);
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
        Interval a = t.entry(k, j), beta = t.entry(k, 0);
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
        Interval q = quotient(beta, a);
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
