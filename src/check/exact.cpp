#include "check/exact.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "check/reconstruct.h"
#include "simplex/two_phase.h"
#include "stdform/phase1_row.h"
#include "store/double_text.h"

namespace zep::detail {

namespace {

using Row = std::vector<mpq_class>;

// How far column j may rise above its lower bound; 0 for none (an upper
// bound of infinity), which the callers test first.
bool hasWidth(const Store& s, int j) {
    return s.model.upper[j] != s.tol.infinity;
}
mpq_class width(const Store& s, int j) {
    return written(s.model.upper[j]) - written(s.model.lower[j]);
}

// Column j moves from its lower bound by amount in every row's values.
void shiftValues(ExactTableau& e, int j, const mpq_class& amount) {
    for (auto& row : e.a)
        if (sgn(row[j]) != 0) row[0] -= row[j] * amount;
}

// The starting tableau of the standard form, in the model's numbers as
// written, every column at its lower bound.
ExactTableau build(const Store& s) {
    ExactTableau e;
    e.a.assign(s.tab.last_row + 1, Row(s.tab.last_col + 1));
    e.basis.assign(s.model.num_cons + 1, 0);
    e.status.assign(s.tab.last_col + 1, 0);
    for (int j = 1; j <= s.model.num_vars; j++) e.a[0][j] = written(s.tab.cost[j]) * s.model.z_mult;
    for (int r = 1; r <= s.model.num_cons; r++) {
        for (int j = 1; j <= s.model.num_vars; j++) e.a[r][j] = written(s.model.a_read[r][j]);
        e.a[r][0] = written(s.model.rrhs[r]);
        e.a[r][s.tab.added_col[r]] = s.tab.row_type[r] < 0 ? -1 : 1;
        int basic = s.tab.art_col[r] ? s.tab.art_col[r] : s.tab.added_col[r];
        e.a[r][basic] = 1;
        e.basis[r] = basic;
        e.status[basic] = r;
    }
    e.a[0][0] = -written(s.model.obj_const) * s.model.z_mult;
    for (int j = 1; j <= s.model.num_vars; j++)
        if (s.model.lower[j] != 0) shiftValues(e, j, written(s.model.lower[j]));
    if (s.tab.num_artif > 0) build_phase1_row(s, e.a);
    e.at_basis = true;
    return e;
}

// Gauss-Jordan on (pr, pc), exact, so the pivot column becomes a unit
// vector by itself. Only the non-zero entries of the pivot row take part.
void pivot(ExactTableau& e, int pr, int pc) {
    Row& p = e.a[pr];
    const mpq_class elem = p[pc];
    std::vector<std::size_t> nonzero;
    for (std::size_t c = 0; c < p.size(); c++) {
        if (sgn(p[c]) == 0) continue;
        p[c] /= elem;
        nonzero.push_back(c);
    }
    mpq_class product;
    for (std::size_t r = 0; r < e.a.size(); r++) {
        if (static_cast<int>(r) == pr || sgn(e.a[r][pc]) == 0) continue;
        const mpq_class elt = e.a[r][pc];
        Row& row = e.a[r];
        for (std::size_t c : nonzero) {
            mpq_mul(product.get_mpq_t(), p[c].get_mpq_t(), elt.get_mpq_t());
            mpq_sub(row[c].get_mpq_t(), row[c].get_mpq_t(), product.get_mpq_t());
        }
    }
    e.status[e.basis[pr]] = 0;
    e.basis[pr] = pc;
    e.status[pc] = pr;
}

// Bland's rule: the lowest-numbered improving column enters, upward from
// its lower bound or downward from its upper bound; artificial columns
// never do. Returns the signed column.
int entering(const Store& s, const ExactTableau& e, int obj) {
    for (int j = 1; j <= s.tab.last_col; j++) {
        if (s.tab.isart[j]) continue;
        if (e.status[j] == 0 && sgn(e.a[obj][j]) < 0) return j;
        if (e.status[j] == -1 && sgn(e.a[obj][j]) > 0) return -j;
    }
    return 0;
}

// The first bound reached as column q moves in direction dir: a basic
// column falling to 0 (+r) or rising to its upper bound (-r), or q's own
// bound (0); among ties the lowest-numbered column. unbounded when none is.
struct Limit {
    int row = 0;
    bool unbounded = true;
};

Limit leaving(const Store& s, const ExactTableau& e, int q, int dir) {
    Limit best;
    mpq_class best_ratio, ratio;
    int best_col = 0;
    auto consider = [&](int row, int col) {
        if (best.unbounded || ratio < best_ratio || (ratio == best_ratio && col < best_col)) {
            best = {row, false};
            best_ratio = ratio;
            best_col = col;
        }
    };
    if (hasWidth(s, q)) {
        ratio = width(s, q);
        consider(0, q);
    }
    for (int r = 1; r <= s.model.num_cons; r++) {
        int a = sgn(e.a[r][q]) * dir;
        int b = e.basis[r];
        if (a > 0) {
            ratio = e.a[r][0] / abs(e.a[r][q]);
            consider(r, b);
        } else if (a < 0 && hasWidth(s, b)) {
            ratio = (width(s, b) - e.a[r][0]) / abs(e.a[r][q]);
            consider(-r, b);
        }
    }
    return best;
}

// A step as the run logs it: a bound flip of column |col| (row 0), or an
// exchange in which a column entering from its upper bound (col < 0) first
// moves to its lower one, and the leaving column goes to the bound it
// reached (its upper one where row < 0).
void takeStep(const Store& s, ExactTableau& e, const Step& step) {
    int q = step.col < 0 ? -step.col : step.col;
    if (step.row == 0) {
        shiftValues(e, q, step.col < 0 ? mpq_class(-width(s, q)) : width(s, q));
        e.status[q] = step.col < 0 ? 0 : -1;
        return;
    }
    if (step.col < 0) shiftValues(e, q, -width(s, q));
    int r = step.row < 0 ? -step.row : step.row;
    int out = e.basis[r];
    pivot(e, r, q);
    if (step.row < 0) {
        e.status[out] = -1;
        shiftValues(e, out, width(s, out));
    }
}

// One phase on objective row obj.
PhaseEnd runPhase(const Store& s, ExactTableau& e, int obj) {
    for (;;) {
        int q = entering(s, e, obj);
        if (q == 0) return {Outcome::optimal};
        int piv_col = q < 0 ? -q : q;
        e.pivots++;
        Limit limit = leaving(s, e, piv_col, q < 0 ? -1 : 1);
        if (limit.unbounded) return {Outcome::unbounded, piv_col};
        Step step{s.tab.phase, limit.row, q};
        takeStep(s, e, step);
        e.steps.push_back(step);
    }
}

bool artificialsAtZero(const Store& s, const ExactTableau& e) {
    for (int r = 1; r <= s.model.num_cons; r++)
        if (s.tab.isart[e.basis[r]] && sgn(e.a[r][0]) != 0) return false;
    return true;
}

bool basicValuesWithinBounds(const Store& s, const ExactTableau& e) {
    for (int r = 1; r <= s.model.num_cons; r++) {
        if (sgn(e.a[r][0]) < 0) return false;
        if (hasWidth(s, e.basis[r]) && e.a[r][0] > width(s, e.basis[r])) return false;
    }
    return true;
}

// An artificial left basic at zero is exchanged for any column with a
// nonzero entry in its row: the value stays zero, so either sign will do.
// A row without one is redundant; no entering column touches it, so its
// artificial stays at zero through phase 2.
void driveOutArtificials(const Store& s, ExactTableau& e) {
    for (int r = 1; r <= s.model.num_cons; r++) {
        if (!s.tab.isart[e.basis[r]]) continue;
        for (int j = 1; j <= s.tab.last_col; j++) {
            if (s.tab.isart[j] || e.status[j] > 0 || sgn(e.a[r][j]) == 0) continue;
            Step step{2, r, e.status[j] == -1 ? -j : j};
            takeStep(s, e, step);
            e.pivots++;
            e.steps.push_back(step);
            break;
        }
    }
}

std::uint64_t bitsOf(double d) {
    std::uint64_t bits;
    std::memcpy(&bits, &d, sizeof bits);
    return bits;
}

// The double nearest to q, ties to even (get_d alone truncates); a value
// that is not zero keeps its sign however small, so that every test of a
// report against zero reads the exact result.
double nearest(const mpq_class& q) {
    double d = q.get_d();
    if (d == q) return d;
    double away = std::nextafter(d, q < 0 ? -HUGE_VAL : HUGE_VAL);
    mpq_class below = abs(q - d);
    mpq_class above = abs(away - q);
    if (above < below || (above == below && bitsOf(away) % 2 == 0)) d = away;
    if (d == 0) d = std::copysign(std::nextafter(0.0, 1.0), sgn(q) < 0 ? -1.0 : 1.0);
    return d;
}

void storeTableau(Store& s, const ExactTableau& e) {
    for (int r = 0; r <= s.tab.last_row; r++)
        for (int c = 0; c <= s.tab.last_col; c++) s.tab.a_mat[r][c] = nearest(e.a[r][c]);
    for (int r = 1; r <= s.model.num_cons; r++) s.tab.basis_index[r] = e.basis[r];
    for (int j = 1; j <= s.tab.last_col; j++) s.tab.col_status[j] = e.status[j];
}

// The exact rules as the two-phase driver runs them.
struct ExactPhases {
    const Store& s;
    ExactTableau& e;

    void begin(int phase) {
        if (phase == 2 && s.tab.num_artif > 0) driveOutArtificials(s, e);
    }
    PhaseEnd run() { return runPhase(s, e, s.tab.obj_row); }
    bool feasible() { return artificialsAtZero(s, e); }
};

} // namespace

mpq_class written(double v) {
    char text[40];
    *shortestText(text, text + sizeof text - 1, v, std::chars_format::scientific) = '\0';
    char* e = std::strchr(text, 'e');
    long exponent = std::strtol(e + 1, nullptr, 10);
    *e = '\0';
    if (char* point = std::strchr(text, '.')) {
        exponent -= static_cast<long>(std::strlen(point + 1));
        std::memmove(point, point + 1, std::strlen(point));
    }
    mpq_class q{mpz_class(text)};
    mpz_class scale;
    mpz_ui_pow_ui(scale.get_mpz_t(), 10, static_cast<unsigned long>(std::labs(exponent)));
    if (exponent >= 0) return q * scale;
    q /= scale;
    return q;
}

ExactTableau exact_at_basis(const Store& s) {
    ExactTableau e;
    if (reconstructed_tableau(s, e)) return e;
    e = build(s);
    std::vector<char> wanted(s.tab.last_col + 1, 0);
    for (int r = 1; r <= s.model.num_cons; r++) wanted[s.tab.basis_index[r]] = 1;
    // Each wanted column enters a row whose basic column is not wanted,
    // its own row of the store's tableau where the entry allows.
    auto open = [&](int r, int k) { return !wanted[e.basis[r]] && sgn(e.a[r][k]) != 0; };
    for (int r = 1; r <= s.model.num_cons; r++) {
        int k = s.tab.basis_index[r];
        if (e.status[k] != 0) continue;
        int row = open(r, k) ? r : 0;
        for (int t = 1; t <= s.model.num_cons && row == 0; t++)
            if (open(t, k)) row = t;
        if (row == 0) {
            e.at_basis = false;
            return e;
        }
        pivot(e, row, k);
    }
    for (int j = 1; j <= s.tab.last_col; j++) {
        // An unbounded end leaves -1 on a basic column with no upper bound.
        if (s.tab.col_status[j] != -1 || !hasWidth(s, j) || e.status[j] > 0) continue;
        e.status[j] = -1;
        shiftValues(e, j, width(s, j));
    }
    return e;
}

void store_exact_basis(Store& s, const ExactTableau& e) {
    storeTableau(s, e);
}

ExactTableau exact_of_doubles(const Store& s) {
    ExactTableau e;
    e.a.assign(s.tab.last_row + 1, Row(s.tab.last_col + 1));
    for (int r = 0; r <= s.tab.last_row; r++)
        for (int c = 0; c <= s.tab.last_col; c++) e.a[r][c] = s.tab.a_mat[r][c];
    e.basis.assign(s.model.num_cons + 1, 0);
    e.status.assign(s.tab.last_col + 1, 0);
    for (int r = 1; r <= s.model.num_cons; r++) {
        e.basis[r] = s.tab.basis_index[r];
        if (e.basis[r] > 0) e.status[e.basis[r]] = r;
    }
    e.at_basis = true;
    return e;
}

double nearest_double(const mpq_class& q) {
    return nearest(q);
}

void exact_simplex(Store& s, ExactTableau& e) {
    int float_steps = s.engine.pivots;
    bool fresh = !e.at_basis || !basicValuesWithinBounds(s, e);
    if (fresh) {
        e = build(s);
        float_steps = 0;
    }
    s.tab.phase = s.tab.num_artif > 0 && (fresh || !artificialsAtZero(s, e)) ? 1 : 2;
    ExactPhases phases{s, e};
    PhaseEnd end = two_phase(s, phases);
    storeTableau(s, e);
    store_outcome(s, end);
    s.engine.pivots = float_steps + e.pivots;
}

void exact_simplex(Store& s) {
    ExactTableau e = exact_at_basis(s);
    exact_simplex(s, e);
}

ExactTableau exact_start(const Store& s) {
    return build(s);
}

void exact_pivot(ExactTableau& e, int row, int col) {
    pivot(e, row, col);
}

void exact_step(const Store& s, ExactTableau& e, const Step& step) {
    takeStep(s, e, step);
}

} // namespace zep::detail
