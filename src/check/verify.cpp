#include "check/verify.h"

#include <cfloat>
#include <cmath>
#include <cstring>

#include "check/certificate.h"

namespace zep::detail {

namespace {

// The values of every column at the basic solution of the final tableau,
// a value below zero taken as zero (the report prints it as zero), so that
// the point is x >= 0 exactly and the rows answer for the difference.
void basicPoint(const Store& s, double* x) {
    for (int j = 0; j <= s.tab.last_col; j++) x[j] = 0;
    for (int r = 1; r <= s.model.num_cons; r++)
        x[s.tab.basis_index[r]] = std::fmax(s.tab.a_mat[r][s.tab.rhs_col], 0.0);
}

// Every row of the model as read balances with its slack or surplus entry
// of x within tol_check. Artificial entries are left out, so an artificial
// above zero shows as a broken row.
bool pointHolds(const Store& s, const double* x) {
    // The rows' sums side by side, column by column, so that no addition
    // waits on the one before it.
    double sum[tab_rows], size[tab_rows];
    double weight = 1;
    for (int r = 1; r <= s.model.num_cons; r++) {
        sum[r] = -s.model.rrhs[r];
        size[r] = std::fabs(s.model.rrhs[r]);
    }
    for (int j = 1; j <= s.model.num_vars; j++) {
        if (x[j] == 0) continue; // terms of exactly zero
        weight = weight + std::fabs(x[j]);
        for (int r = 1; r <= s.model.num_cons; r++) {
            double term = s.model.a_read[r][j] * x[j];
            sum[r] = sum[r] + term;
            size[r] = size[r] + std::fabs(term);
        }
    }
    for (int r = 1; r <= s.model.num_cons; r++) {
        if (s.tab.row_type[r] != 0) {
            double term = addedSign(s, r) * x[s.tab.added_col[r]];
            sum[r] = sum[r] + term;
            size[r] = size[r] + std::fabs(term);
        }
        Sum row{sum[r], size[r], weight, s.model.num_vars + 2, false};
        for (int j = 1; j <= s.model.num_vars && size[r] == 0; j++)
            if (s.model.a_read[r][j] != 0 && x[j] != 0) row.lost = true;
        if (!row.within(tol_check)) return false;
    }
    return true;
}

void internalCosts(const Store& s, double* c) {
    for (int j = 0; j <= s.tab.last_col; j++)
        c[j] = j <= s.model.num_vars ? s.model.z_mult * s.tab.cost[j] : 0;
}

// The dual values that objective row obj of the final tableau implies: the
// reduced cost of row r's own column k is its cost less y[r] times its
// entry, and an artificial costs 1 in phase 1.
void impliedDuals(const Store& s, int obj, double* y) {
    for (int r = 1; r <= s.model.num_cons; r++) {
        int k = s.tab.added_col[r];
        double c = obj == s.tab.ph1_row && s.tab.isart[k] ? 1.0 : 0.0;
        y[r] = (c - s.tab.a_mat[obj][k]) / addedSign(s, r);
    }
}

// The reduced costs d of the basic columns are zero but for rounding, so
// their exact signs are a matter of chance. Moving y by B^-T times a lift a
// little above that rounding raises each of them by its lift, and the
// nonbasic ones by a like amount times their tableau entries; the tableau's
// slack, surplus and artificial columns hold B^-1 for the purpose. Only the
// columns whose sign the bound leaves open are lifted. This decides only
// how often a right answer needs the exact tableau.
void liftBasicColumns(const Store& s, const Sum* d, double* y) {
    double lift[tab_rows] = {};
    bool any = false;
    for (int r = 1; r <= s.model.num_cons; r++) {
        const Sum& basic = d[s.tab.basis_index[r]];
        if (s.tab.isart[s.tab.basis_index[r]] || basic.sign() == 0 || basic.sign() == 1) continue;
        lift[r] = 8 * (std::fabs(basic.sum) + basic.error()) + 0x1p-44 * basic.size;
        any = true;
    }
    if (!any) return;
    for (int i = 1; i <= s.model.num_cons; i++) {
        int k = s.tab.added_col[i];
        double shift = 0;
        for (int r = 1; r <= s.model.num_cons; r++)
            if (lift[r] != 0) shift = shift + s.tab.a_mat[r][k] * lift[r];
        y[i] = y[i] - addedSign(s, i) * shift;
    }
}

// The reduced costs of the basic columns alone, each with its bound.
void basicReducedCosts(const Store& s, const double* c, const double* y, Sum* d) {
    double weight = 1;
    for (int r = 1; r <= s.model.num_cons; r++) weight = weight + std::fabs(y[r]);
    for (int r = 1; r <= s.model.num_cons; r++) {
        int j = s.tab.basis_index[r];
        if (!s.tab.isart[j]) d[j] = Sum{c[j], std::fabs(c[j]), weight, s.model.num_cons + 1, false};
    }
    for (int r = 1; r <= s.model.num_cons; r++) {
        const double v = -y[r];
        if (v == 0) continue;
        for (int b = 1; b <= s.model.num_cons; b++) {
            int j = s.tab.basis_index[b];
            if (j > s.model.num_vars) continue;
            double term = s.model.a_read[r][j] * v;
            d[j].sum = d[j].sum + term;
            d[j].size = d[j].size + std::fabs(term);
            if (term == 0 && s.model.a_read[r][j] != 0) d[j].lost = true;
        }
        int k = s.tab.added_col[r];
        if (s.tab.row_type[r] != 0 && s.tab.col_status[k] > 0) {
            double term = v * addedSign(s, r);
            d[k].sum = d[k].sum + term;
            d[k].size = d[k].size + std::fabs(term);
        }
    }
}

// y is dual feasible, with exact evaluation where the bound leaves a sign
// open, after the basic columns whose signs the bound leaves open are
// lifted.
bool dualsHoldLifted(const Store& s, const double* c, double* y) {
    Sum d[tab_cols];
    basicReducedCosts(s, c, y, d);
    liftBasicColumns(s, d, y);
    return duals_hold(s, c, y);
}

// A column that an artificial left basic kept from entering phase 2 may
// have a negative phase-2 reduced cost d; its positive phase-1 reduced cost
// d1 proves it zero at every feasible point. The share of the phase-1 duals
// u that makes every such column sign-correct, theta u with theta a little
// more than large enough, is added to y.
void addPhase1Share(const Store& s, const double* c, double* y) {
    double zero[tab_cols] = {};
    double u[tab_rows];
    Sum d[tab_cols], d1[tab_cols];
    impliedDuals(s, s.tab.ph1_row, u);
    reducedCosts(s, c, y, d);
    reducedCosts(s, zero, u, d1);
    double theta = 0;
    for (int j = 1; j <= s.tab.last_col; j++)
        if (!s.tab.isart[j] && d[j].sum < 0 && d1[j].sign() == 1)
            theta = std::fmax(theta, -d[j].sum / d1[j].sum * (1 + 0x1p-30));
    for (int r = 1; r <= s.model.num_cons; r++) y[r] = y[r] + theta * u[r];
}

// c x - y b: how far the point's objective lies above the bound that the
// duals prove.
bool gapHolds(const Store& s, const double* c, const double* x, const double* y) {
    Sum gap{};
    for (int j = 1; j <= s.model.num_vars; j++) gap.addModel(c[j], x[j]);
    for (int r = 1; r <= s.model.num_cons; r++) gap.addModel(s.model.rrhs[r], -y[r]);
    return gap.within(tol_check);
}

// The objective entry of the tableau is the point's objective.
bool objectiveHolds(const Store& s, const double* c, const double* x) {
    Sum objective{};
    objective.add(s.tab.a_mat[s.tab.ph2_row][s.tab.rhs_col]);
    for (int j = 1; j <= s.model.num_vars; j++) objective.addModel(c[j], x[j]);
    return objective.within(tol_check);
}

bool floatOptimumHolds(const Store& s, const double* c, const double* x) {
    double y[tab_rows];
    impliedDuals(s, s.tab.ph2_row, y);
    // Only an artificial left basic keeps columns from entering phase 2.
    bool kept_out = false;
    for (int r = 1; r <= s.model.num_cons; r++)
        kept_out = kept_out || s.tab.isart[s.tab.basis_index[r]];
    if (kept_out) addPhase1Share(s, c, y);
    return dualsHoldLifted(s, c, y) && gapHolds(s, c, x, y);
}

ExactTableau& atBasis(const Store& s, ExactTableau& e) {
    if (e.a.empty()) e = exact_at_basis(s);
    return e;
}

// The exact dual values of row obj of an exact tableau.
std::vector<mpq_class> exactDuals(const Store& s, const ExactTableau& e, int obj) {
    std::vector<mpq_class> y(s.model.num_cons + 1);
    for (int r = 1; r <= s.model.num_cons; r++) {
        int k = s.tab.added_col[r];
        mpq_class c = obj == s.tab.ph1_row && s.tab.isart[k] ? 1 : 0;
        y[r] = (c - e.a[obj][k]) * addedSign(s, r);
    }
    return y;
}

// The reports print the reduced costs and dual values of the
// floating-point tableau: each must lie within tol_check of the exact one
// (against the magnitudes of the terms of the reduced cost), or be an
// exact one below eps_pivot that the engine flushed to zero.
bool reportedCostsHold(const Store& s, const ExactTableau& e, const std::vector<mpq_class>& y) {
    double c[tab_cols];
    internalCosts(s, c);
    for (int j = 1; j <= s.tab.last_col; j++) {
        if (s.tab.isart[j]) continue;
        double exact = e.a[0][j].get_d();
        if (s.tab.a_mat[0][j] == 0 && std::fabs(exact) < s.tol.eps_pivot) continue;
        double size = std::fabs(c[j]);
        for (int r = 1; r <= s.model.num_cons; r++) {
            double a = j <= s.model.num_vars     ? s.model.a_read[r][j]
                       : j == s.tab.added_col[r] ? 1.0
                                                 : 0.0;
            size = size + std::fabs(y[r].get_d() * a);
        }
        if (!(std::fabs(s.tab.a_mat[0][j] - exact) <= tol_check * size)) return false;
    }
    return true;
}

// The exact tableau of the same basis: its reduced costs (with a share of
// the phase-1 ones, as above) are the certificate, and the gap is taken
// against its dual values.
bool exactOptimumHolds(const Store& s, const ExactTableau& e, const double* c, const double* x) {
    mpq_class theta = 0;
    for (int j = 1; j <= s.tab.last_col && s.tab.num_artif > 0; j++) {
        const mpq_class& d1 = e.a[s.tab.ph1_row][j];
        if (!s.tab.isart[j] && sgn(e.a[0][j]) < 0 && sgn(d1) > 0 && -e.a[0][j] / d1 > theta)
            theta = -e.a[0][j] / d1;
    }
    for (int j = 1; j <= s.tab.last_col; j++) {
        if (s.tab.isart[j]) continue;
        mpq_class d = e.a[0][j];
        if (s.tab.num_artif > 0) d += theta * e.a[s.tab.ph1_row][j];
        if (sgn(d) < 0) return false;
    }
    std::vector<mpq_class> y = exactDuals(s, e, 0);
    if (!reportedCostsHold(s, e, y)) return false;
    if (s.tab.num_artif > 0) {
        std::vector<mpq_class> u = exactDuals(s, e, s.tab.ph1_row);
        for (int r = 1; r <= s.model.num_cons; r++) y[r] += theta * u[r];
    }
    mpq_class gap = 0, size = 0, term;
    for (int j = 1; j <= s.model.num_vars; j++) {
        term = written(c[j]) * mpq_class(x[j]);
        gap += term;
        size += abs(term);
    }
    for (int r = 1; r <= s.model.num_cons; r++) {
        term = y[r] * written(s.model.rrhs[r]);
        gap -= term;
        size += abs(term);
    }
    return abs(gap) <= mpq_class(tol_check) * size;
}

bool optimumHolds(const Store& s, ExactTableau& e) {
    double x[tab_cols], c[tab_cols];
    basicPoint(s, x);
    internalCosts(s, c);
    if (!pointHolds(s, x) || !objectiveHolds(s, c, x)) return false;
    if (floatOptimumHolds(s, c, x)) return true;
    return atBasis(s, e).at_basis && exactOptimumHolds(s, e, c, x);
}

// Farkas: duals u of the phase-1 optimum, of the right sign for each
// relation, with u A <= 0 and u b > 0, so that no x >= 0 satisfies the rows.
bool infeasibilityHolds(const Store& s, ExactTableau& e) {
    if (s.tab.num_artif == 0) return false;
    double u[tab_rows];
    impliedDuals(s, s.tab.ph1_row, u);
    double zero[tab_cols] = {};
    if (dualsHoldLifted(s, zero, u) && farkas_holds(s, u)) return true;
    if (!atBasis(s, e).at_basis) return false;
    for (int j = 1; j <= s.tab.last_col; j++)
        if (!s.tab.isart[j] && sgn(e.a[s.tab.ph1_row][j]) < 0) return false;
    mpq_class artificials = 0;
    for (int r = 1; r <= s.model.num_cons; r++)
        if (s.tab.isart[e.basis[r]]) artificials += e.a[r][0];
    return sgn(artificials) > 0;
}

// The entering column moving without limit, the basic columns following it
// as its tableau column says: first as the floating-point tableau has it,
// then as the exact tableau of the same basis does.
bool unboundedHolds(const Store& s, ExactTableau& e) {
    double x[tab_cols], dx[tab_cols] = {};
    basicPoint(s, x);
    if (!pointHolds(s, x)) return false;
    double direction = s.engine.direction < 0 ? -1.0 : 1.0;
    int q = s.engine.piv_col;
    if (q <= s.model.num_vars) dx[q] = direction;
    for (int r = 1; r <= s.model.num_cons; r++)
        if (s.tab.basis_index[r] <= s.model.num_vars)
            dx[s.tab.basis_index[r]] = -s.tab.a_mat[r][q] * direction;
    if (ray_holds(s, dx)) return true;
    if (!atBasis(s, e).at_basis) return false;
    std::vector<mpq_class> exact(s.model.num_vars + 1);
    if (q <= s.model.num_vars) exact[q] = direction;
    for (int r = 1; r <= s.model.num_cons; r++)
        if (e.basis[r] <= s.model.num_vars) exact[e.basis[r]] = -e.a[r][q] * direction;
    return exactRayHolds(s, exact);
}

} // namespace

bool outcome_holds(const Store& s, ExactTableau& e) {
    if (s.engine.end_stat == 1) return optimumHolds(s, e);
    if (s.engine.end_stat == 2) return infeasibilityHolds(s, e);
    return unboundedHolds(s, e);
}

bool outcome_holds(const Store& s) {
    ExactTableau e;
    return outcome_holds(s, e);
}

} // namespace zep::detail
