#include "check/verify.h"

#include <cfloat>
#include <cmath>
#include <cstring>

#include "check/certificate.h"
#include "check/enclosure.h"
#include "check/reconstruct.h"
#include "reports/values.h"

namespace zep::detail {

namespace {

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

ExactTableau& atBasis(const Store& s, ExactTableau& e) {
    if (e.a.empty()) e = exact_at_basis(s);
    return e;
}

// Every basic value of the exact tableau is at least zero, at most its
// column's width where it has an upper bound, and every artificial one
// zero: the basis's point meets every row and every bound.
bool exactPointHolds(const Store& s, const ExactTableau& e) {
    for (int r = 1; r <= s.model.num_cons; r++) {
        int sign = sgn(e.a[r][0]);
        if (sign < 0 || (sign > 0 && s.tab.isart[e.basis[r]])) return false;
        int j = e.basis[r];
        if (s.model.upper[j] != s.tol.infinity &&
            e.a[r][0] > written(s.model.upper[j]) - written(s.model.lower[j]))
            return false;
    }
    return true;
}

// The basis's exact point meets every row and x >= 0, and its exact
// reduced costs are at least zero for every column that is not artificial:
// each row's dual value has the sign its relation asks, and the objective
// equals the dual bound, c_B B^-1 b = y b.
bool exactOptimumHolds(const Store& s, const ExactTableau& e) {
    if (!exactPointHolds(s, e)) return false;
    for (int j = 1; j <= s.tab.last_col; j++)
        if (!s.tab.isart[j] && sgn(e.a[0][j]) * boundSide(s, j) < 0) return false;
    return true;
}

// Every basic value at least zero, and an artificial one exactly zero.
bool pointBounded(const Store& s, const BasisBounds& b) {
    for (int r = 1; r <= s.model.num_cons; r++) {
        const Interval& x = b.x[s.tab.basis_index[r]];
        if (!(x.lo >= 0) || (s.tab.isart[s.tab.basis_index[r]] && x.hi != 0)) return false;
    }
    return true;
}

// The bounds prove the basis optimal and the summaries' values right; or
// the exact solution of the basis, reconstructed, proves it (a degenerate
// basis's exact zeros are beyond any interval); or the exact tableau of
// the basis proves it optimal and the values are printed from it.
Proof optimumProof(const Store& s, ExactTableau& e) {
    BasisBounds b;
    if (only_non_negative(s) && bound_basis(s, b, true) && optimum_bounded(s, b) &&
        summaries_print_exactly(s, b))
        return Proof::float_tableau;
    if (exact_basis_solution(s, b)) {
        if (!optimum_bounded(s, b)) return Proof::none;
        if (summaries_print_exactly(s, b)) return Proof::float_tableau;
    }
    if (!atBasis(s, e).at_basis || !exactOptimumHolds(s, e)) return Proof::none;
    return Proof::exact_tableau;
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
        if (!s.tab.isart[j] && sgn(e.a[s.tab.ph1_row][j]) * boundSide(s, j) < 0) return false;
    mpq_class artificials = 0;
    for (int r = 1; r <= s.model.num_cons; r++)
        if (s.tab.isart[e.basis[r]]) artificials += e.a[r][0];
    return sgn(artificials) > 0;
}

// The basis's point, proven by its bounds or by the exact tableau, and the
// entering column moving without limit, the basic columns following it as
// its tableau column says: first as the floating-point tableau has it,
// then as the exact tableau of the same basis does.
bool unboundedHolds(const Store& s, ExactTableau& e) {
    BasisBounds b;
    bool point = only_non_negative(s) && bound_basis(s, b, false) && pointBounded(s, b);
    if (!point && (!atBasis(s, e).at_basis || !exactPointHolds(s, e))) return false;
    double dx[tab_cols] = {};
    // The column left nonbasic at its upper bound moved down from it.
    int q = s.engine.piv_col;
    double direction = s.tab.col_status[q] == -1 ? -1.0 : 1.0;
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

bool optimum_bounded(const Store& s, const BasisBounds& b) {
    if (!pointBounded(s, b)) return false;
    for (int j = 1; j <= s.tab.last_col; j++)
        if (!s.tab.isart[j] && !(b.d[j].lo >= 0)) return false;
    return true;
}

Proof prove_outcome(const Store& s, ExactTableau& e) {
    if (s.engine.end_stat == Outcome::optimal) return optimumProof(s, e);
    bool holds =
        s.engine.end_stat == Outcome::infeasible ? infeasibilityHolds(s, e) : unboundedHolds(s, e);
    return holds ? Proof::float_tableau : Proof::none;
}

bool outcome_holds(const Store& s, ExactTableau& e) {
    return prove_outcome(s, e) == Proof::float_tableau;
}

bool outcome_holds(const Store& s) {
    ExactTableau e;
    return outcome_holds(s, e);
}

} // namespace zep::detail
