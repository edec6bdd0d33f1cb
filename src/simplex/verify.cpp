#include "simplex/verify.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "reports/added_columns.h"
#include "simplex/exact.h"
#include "simplex/tableau.h"

namespace zep {

namespace {

// The entry of row r's own added column in that row: -1 for a surplus.
double addedSign(const Store& s, int r) {
    return s.tab.row_type[r] < 0 ? -1.0 : 1.0;
}

// A sum kept with the sum of the magnitudes of its terms, the scale
// against which a residual is judged.
struct Terms {
    double sum = 0;
    double size = 0;
    void add(double t) {
        sum = sum + t;
        size = size + std::fabs(t);
    }
    bool nearZero() const { return std::fabs(sum) <= tol_check * size; }
    bool clearlyBelowZero() const { return sum < -tol_check * size; }
    bool clearlyAboveZero() const { return sum > tol_check * size; }
};

// The values of every column at the basic solution of the final tableau.
void basicPoint(const Store& s, double* x) {
    for (int j = 0; j <= s.tab.last_col; j++) x[j] = 0;
    for (int r = 1; r <= s.model.num_cons; r++)
        x[s.tab.basis_index[r]] = s.tab.a_mat[r][s.tab.rhs_col];
}

// Every non-artificial entry of v is at least zero and every row of the
// model as read balances with its slack or surplus entry of v: against the
// right-hand side for a point, against zero for a ray. Artificial entries
// are left out, so an artificial above zero shows as a broken row.
bool rowsHold(const Store& s, const double* v, bool ray) {
    double largest = 0;
    for (int j = 1; j <= s.tab.last_col; j++)
        if (!s.tab.isart[j]) largest = std::fmax(largest, std::fabs(v[j]));
    for (int j = 1; j <= s.tab.last_col; j++)
        if (!s.tab.isart[j] && v[j] < -tol_check * largest) return false;
    for (int r = 1; r <= s.model.num_cons; r++) {
        Terms row;
        if (!ray) row.add(-s.model.rrhs[r]);
        for (int j = 1; j <= s.model.num_vars; j++) row.add(s.model.a_read[r][j] * v[j]);
        if (s.tab.row_type[r] != 0) row.add(addedSign(s, r) * v[addedColumn(s, r)]);
        if (!row.nearZero()) return false;
    }
    return true;
}

// The dual values that objective row obj of the final tableau implies: the
// reduced cost of row r's own column k is its cost less y[r] times its
// entry, and an artificial costs 1 in phase 1.
void impliedDuals(const Store& s, int obj, double* y) {
    for (int r = 1; r <= s.model.num_cons; r++) {
        int k = addedColumn(s, r);
        double c = obj == s.tab.ph1_row && s.tab.isart[k] ? 1.0 : 0.0;
        y[r] = (c - s.tab.a_mat[obj][k]) / addedSign(s, r);
    }
}

// The objective terms of the reduced costs of every non-artificial column:
// c for the model's variables, nothing for slack and surplus columns.
void costTerms(const Store& s, const double* c, Terms* d) {
    for (int j = 1; j <= s.tab.last_col; j++) d[j] = Terms{};
    for (int j = 1; j <= s.model.num_vars; j++) d[j].add(c[j]);
}

// Subtracts y times each column of the model as read, so that d holds the
// reduced costs c - y A.
void dualTerms(const Store& s, const double* y, Terms* d) {
    for (int r = 1; r <= s.model.num_cons; r++) {
        for (int j = 1; j <= s.model.num_vars; j++) d[j].add(-y[r] * s.model.a_read[r][j]);
        if (s.tab.row_type[r] != 0) d[addedColumn(s, r)].add(-y[r] * addedSign(s, r));
    }
}

// Each reduced cost may also be off by rounding noise in the duals: a dual
// of 1e-16 beside duals of order one is zero, however few terms it meets.
// The noise is judged against the largest dual times the column's largest
// entry.
bool signsHold(const Store& s, const Terms* d, const double* y) {
    double largest_dual = 0;
    for (int r = 1; r <= s.model.num_cons; r++)
        largest_dual = std::fmax(largest_dual, std::fabs(y[r]));
    for (int j = 1; j <= s.tab.last_col; j++) {
        if (s.tab.isart[j]) continue;
        double largest_entry = j > s.model.num_vars ? 1.0 : 0.0;
        for (int r = 1; r <= s.model.num_cons && j <= s.model.num_vars; r++)
            largest_entry = std::fmax(largest_entry, std::fabs(s.model.a_read[r][j]));
        double noise = tol_check * largest_dual * largest_entry;
        if (d[j].sum < -tol_check * d[j].size - noise) return false;
    }
    return true;
}

void internalCosts(const Store& s, double* c) {
    for (int j = 0; j <= s.model.num_vars; j++) c[j] = s.model.z_mult * s.tab.cost[j];
}

// A column that an artificial left basic kept from entering phase 2 may
// have a negative phase-2 reduced cost d; its positive phase-1 reduced cost
// d1 proves it zero at every feasible point. The share of the phase-1 duals
// u that makes every such column sign-correct, theta u with theta just
// large enough, goes to share.
void phase1Share(const Store& s, const double* c, const double* y, double* share) {
    double zero[tab_cols] = {};
    double u[tab_rows];
    Terms d[tab_cols], d1[tab_cols];
    impliedDuals(s, s.tab.ph1_row, u);
    costTerms(s, c, d);
    dualTerms(s, y, d);
    costTerms(s, zero, d1);
    dualTerms(s, u, d1);
    double theta = 0;
    for (int j = 1; j <= s.tab.last_col; j++)
        if (!s.tab.isart[j] && d[j].clearlyBelowZero() && d1[j].clearlyAboveZero())
            theta = std::fmax(theta, -d[j].sum / d1[j].sum);
    for (int r = 1; r <= s.model.num_cons; r++) share[r] = theta * u[r];
}

bool optimumHolds(const Store& s) {
    double x[tab_cols], c[tab_cols], y[tab_rows], share[tab_rows] = {};
    basicPoint(s, x);
    if (!rowsHold(s, x, false)) return false;
    internalCosts(s, c);
    impliedDuals(s, s.tab.ph2_row, y);
    if (s.tab.num_artif > 0) phase1Share(s, c, y, share);
    Terms d[tab_cols];
    costTerms(s, c, d);
    dualTerms(s, y, d);
    dualTerms(s, share, d);
    if (!signsHold(s, d, y)) return false;
    Terms objective, gap;
    objective.add(s.tab.a_mat[s.tab.ph2_row][s.tab.rhs_col]);
    for (int j = 1; j <= s.model.num_vars; j++) {
        objective.add(c[j] * x[j]);
        gap.add(c[j] * x[j]);
    }
    for (int r = 1; r <= s.model.num_cons; r++) {
        gap.add(-y[r] * s.model.rrhs[r]);
        gap.add(-share[r] * s.model.rrhs[r]);
    }
    return objective.nearZero() && gap.nearZero();
}

// Farkas: duals u of the phase-1 optimum, of the right sign for each
// relation, with u A <= 0 and u b > 0, so that no x >= 0 satisfies the rows.
bool infeasibilityHolds(const Store& s) {
    double zero[tab_cols] = {};
    double u[tab_rows];
    Terms d1[tab_cols];
    impliedDuals(s, s.tab.ph1_row, u);
    costTerms(s, zero, d1);
    dualTerms(s, u, d1);
    if (!signsHold(s, d1, u)) return false;
    Terms violation;
    for (int r = 1; r <= s.model.num_cons; r++) violation.add(u[r] * s.model.rrhs[r]);
    return violation.clearlyAboveZero();
}

// The entering column moving without limit, the basic columns following it
// as its tableau column says: every row must keep holding, and the
// objective must fall.
bool rayHolds(const Store& s) {
    double x[tab_cols], c[tab_cols], dx[tab_cols];
    basicPoint(s, x);
    if (!rowsHold(s, x, false)) return false;
    for (int j = 0; j <= s.tab.last_col; j++) dx[j] = 0;
    dx[s.engine.piv_col] = s.engine.direction;
    for (int r = 1; r <= s.model.num_cons; r++)
        dx[s.tab.basis_index[r]] = -s.tab.a_mat[r][s.engine.piv_col] * s.engine.direction;
    if (!rowsHold(s, dx, true)) return false;
    internalCosts(s, c);
    Terms gain;
    for (int j = 1; j <= s.model.num_vars; j++) gain.add(c[j] * dx[j]);
    return gain.clearlyBelowZero();
}

} // namespace

void keep_model(Store& s) {
    for (int r = 0; r <= s.model.num_cons; r++)
        std::memcpy(s.model.a_read[r], s.tab.a_mat[r], sizeof s.model.a_read[r]);
}

bool outcome_holds(const Store& s) {
    if (s.engine.end_stat == 1) return optimumHolds(s);
    if (s.engine.end_stat == 2) return infeasibilityHolds(s);
    return rayHolds(s);
}

void verify(Store& s) {
    if (outcome_holds(s)) return;
    exact_simplex(s);
    std::fprintf(s.out, "%s\n", exact_note);
    if (s.opt.last_tableau) tableau(s);
}

} // namespace zep
