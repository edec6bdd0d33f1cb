#include "simplex/exact.h"

#include <gmpxx.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "reports/added_columns.h"

namespace zep {

namespace {

using Row = std::vector<mpq_class>;

// The artificial column of a ">=" row follows its surplus column; a "<="
// row has none (0).
int artificialOf(const Store& s, int r) {
    if (s.tab.row_type[r] > 0) return 0;
    return s.tab.row_type[r] < 0 ? -s.tab.row_type[r] + 1 : artificialColumn(s, r);
}

// The rational tableau, laid out as the store's: rows 0 to last_row,
// columns 0 to last_col.
struct Exact {
    std::vector<Row> a;
    std::vector<int> basis;
    std::vector<int> status;
    int pivots = 0;
    int piv_col = 0;
};

// The number as the model file wrote it: the shortest decimal that reads
// back as the same double. So 0.1 is 1/10, not the binary fraction
// nearest to it, and rows that agree in decimal agree exactly.
mpq_class written(double v) {
    char text[32];
    int digits = 1;
    for (; digits < 17; digits++) {
        std::snprintf(text, sizeof text, "%.*e", digits - 1, v);
        if (std::strtod(text, nullptr) == v) break;
    }
    std::snprintf(text, sizeof text, "%.*e", digits - 1, v);
    char* e = std::strchr(text, 'e');
    long exponent = std::strtol(e + 1, nullptr, 10) - (digits - 1);
    *e = '\0';
    if (char* point = std::strchr(text, '.')) std::memmove(point, point + 1, std::strlen(point));
    mpq_class q{mpz_class(text)};
    mpz_class scale;
    mpz_ui_pow_ui(scale.get_mpz_t(), 10, static_cast<unsigned long>(std::labs(exponent)));
    if (exponent >= 0) return q * scale;
    return q / scale;
}

// The phase-1 row as the standard form builds it: minus the sum of the
// artificial rows, +1 in the surplus columns, the sum of their
// right-hand sides in column 0.
void buildPhase1Row(const Store& s, Exact& e) {
    Row& p1 = e.a[s.tab.ph1_row];
    for (int r = 1; r <= s.model.num_cons; r++) {
        if (!artificialOf(s, r)) continue;
        for (int j = 1; j <= s.model.num_vars; j++) p1[j] -= e.a[r][j];
        p1[0] += e.a[r][0];
        if (s.tab.row_type[r] < 0) p1[addedColumn(s, r)] = 1;
    }
}

Exact build(const Store& s) {
    Exact e;
    e.a.assign(s.tab.last_row + 1, Row(s.tab.last_col + 1));
    e.basis.assign(s.model.num_cons + 1, 0);
    e.status.assign(s.tab.last_col + 1, 0);
    for (int j = 1; j <= s.model.num_vars; j++) e.a[0][j] = written(s.tab.cost[j]) * s.model.z_mult;
    for (int r = 1; r <= s.model.num_cons; r++) {
        for (int j = 1; j <= s.model.num_vars; j++) e.a[r][j] = written(s.model.a_read[r][j]);
        e.a[r][0] = written(s.model.rrhs[r]);
        e.a[r][addedColumn(s, r)] = s.tab.row_type[r] < 0 ? -1 : 1;
        int basic = artificialOf(s, r) ? artificialOf(s, r) : addedColumn(s, r);
        e.a[r][basic] = 1;
        e.basis[r] = basic;
        e.status[basic] = r;
    }
    if (s.tab.num_artif > 0) buildPhase1Row(s, e);
    return e;
}

// Gauss-Jordan on (pr, pc), exact, so the pivot column becomes a unit
// vector by itself.
void pivot(Exact& e, int pr, int pc) {
    Row& p = e.a[pr];
    const mpq_class elem = p[pc];
    for (mpq_class& v : p) v /= elem;
    for (std::size_t r = 0; r < e.a.size(); r++) {
        if (static_cast<int>(r) == pr || e.a[r][pc] == 0) continue;
        const mpq_class elt = e.a[r][pc];
        for (std::size_t c = 0; c < p.size(); c++) e.a[r][c] -= p[c] * elt;
    }
    e.status[e.basis[pr]] = 0;
    e.basis[pr] = pc;
    e.status[pc] = pr;
}

// Bland's rule: the lowest-numbered improving column enters; artificial
// columns never do.
int entering(const Store& s, const Exact& e, int obj) {
    for (int j = 1; j <= s.tab.last_col; j++)
        if (e.status[j] == 0 && !s.tab.isart[j] && e.a[obj][j] < 0) return j;
    return 0;
}

// The minimum-ratio row; among tied rows the one whose basic column is
// lowest-numbered. 0 when no entry is positive.
int leaving(const Store& s, const Exact& e, int q) {
    int best = 0;
    mpq_class best_ratio;
    for (int r = 1; r <= s.model.num_cons; r++) {
        if (e.a[r][q] <= 0) continue;
        mpq_class ratio = e.a[r][0] / e.a[r][q];
        if (best == 0 || ratio < best_ratio ||
            (ratio == best_ratio && e.basis[r] < e.basis[best])) {
            best = r;
            best_ratio = ratio;
        }
    }
    return best;
}

// One phase on objective row obj; 1 when optimal, 3 when unbounded.
int runPhase(const Store& s, Exact& e, int obj) {
    for (;;) {
        int q = entering(s, e, obj);
        if (q == 0) return 1;
        e.piv_col = q;
        e.pivots++;
        int r = leaving(s, e, q);
        if (r == 0) return 3;
        pivot(e, r, q);
    }
}

bool artificialsAtZero(const Store& s, const Exact& e) {
    for (int r = 1; r <= s.model.num_cons; r++)
        if (s.tab.isart[e.basis[r]] && e.a[r][0] != 0) return false;
    return true;
}

// An artificial left basic at zero is exchanged for any column with a
// nonzero entry in its row: the value stays zero, so either sign will do.
// A row without one is redundant; no entering column touches it, so its
// artificial stays at zero through phase 2.
void driveOutArtificials(const Store& s, Exact& e) {
    for (int r = 1; r <= s.model.num_cons; r++) {
        if (!s.tab.isart[e.basis[r]]) continue;
        for (int j = 1; j <= s.tab.last_col; j++) {
            if (s.tab.isart[j] || e.a[r][j] == 0) continue;
            pivot(e, r, j);
            e.pivots++;
            break;
        }
    }
}

std::uint64_t bitsOf(double d) {
    std::uint64_t bits;
    std::memcpy(&bits, &d, sizeof bits);
    return bits;
}

// The double nearest to q, ties to even (get_d alone truncates).
double nearest(const mpq_class& q) {
    double d = q.get_d();
    if (d == q) return d;
    double away = std::nextafter(d, q < 0 ? -HUGE_VAL : HUGE_VAL);
    mpq_class below = abs(q - d);
    mpq_class above = abs(away - q);
    if (above < below || (above == below && bitsOf(away) % 2 == 0)) return away;
    return d;
}

void storeResult(Store& s, const Exact& e, int end_stat) {
    for (int r = 0; r <= s.tab.last_row; r++)
        for (int c = 0; c <= s.tab.last_col; c++) s.tab.a_mat[r][c] = nearest(e.a[r][c]);
    for (int r = 1; r <= s.model.num_cons; r++) s.tab.basis_index[r] = e.basis[r];
    for (int j = 1; j <= s.tab.last_col; j++) s.tab.col_status[j] = e.status[j];
    s.engine.end_stat = end_stat;
    s.engine.unbounded = end_stat == 3 ? 1 : 0;
    s.engine.pivots = e.pivots;
    s.engine.piv_col = e.piv_col;
}

} // namespace

void exact_simplex(Store& s) {
    Exact e = build(s);
    int end_stat = 1;
    s.tab.phase = 2;
    if (s.tab.num_artif > 0) {
        s.tab.phase = 1;
        s.tab.obj_row = s.tab.ph1_row;
        end_stat = runPhase(s, e, s.tab.ph1_row);
        if (end_stat == 1 && !artificialsAtZero(s, e)) end_stat = 2;
        if (end_stat == 1) {
            driveOutArtificials(s, e);
            s.tab.phase = 2;
        }
    }
    if (s.tab.phase == 2) {
        s.tab.obj_row = s.tab.ph2_row;
        end_stat = runPhase(s, e, s.tab.ph2_row);
    }
    storeResult(s, e, end_stat);
}

} // namespace zep
