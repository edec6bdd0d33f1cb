#include "simplex/verify.h"

#include <cfloat>
#include <cmath>
#include <cstring>

#include "reports/added_columns.h"

namespace zep {

namespace {

constexpr double unit_roundoff = 0x1p-53;
constexpr double smallest = 0x1p-1074;
constexpr int undecided = 2;

// A sum of terms evaluated in floating point, with a bound on its distance
// from the exact sum. A model term is the product of a number of the model
// (within half a unit in its last place of the decimal written) and an
// exact double; the bound covers that, the rounding of each product and of
// the running sum (the classic bound, with room to spare), and underflow.
struct Sum {
    double sum = 0;
    double size = 0;
    double subnormal = 0; // weights of terms that may have underflowed
    int terms = 0;

    void add(double t) {
        sum = sum + t;
        size = size + std::fabs(t);
        terms++;
    }
    void addModel(double a, double v) {
        double t = a * v;
        add(t);
        if (a != 0 && v != 0 && (std::fabs(a) < DBL_MIN || std::fabs(t) < DBL_MIN))
            subnormal = subnormal + std::fabs(v) + 1;
    }
    double error() const {
        return (2.0 * terms + 8) * unit_roundoff * size + (4.0 * terms + 16) * smallest +
               subnormal * DBL_MIN;
    }
    // -1, 0 or +1 where the bound settles the sign of the exact sum,
    // undecided where it does not.
    int sign() const {
        if (!std::isfinite(sum) || !std::isfinite(size)) return undecided;
        if (size == 0 && subnormal == 0) return 0;
        double e = error();
        if (sum > e) return 1;
        if (sum < -e) return -1;
        return undecided;
    }
    // The exact sum is surely within tol of the sum of the magnitudes.
    bool within(double tol) const {
        if (size == 0 && subnormal == 0) return true;
        return std::isfinite(sum) && std::isfinite(size) && std::fabs(sum) + error() <= tol * size;
    }
};

// The entry of row r's own added column in that row: -1 for a surplus.
double addedSign(const Store& s, int r) {
    return s.row_type[r] < 0 ? -1.0 : 1.0;
}

// The values of every column at the basic solution of the final tableau.
void basicPoint(const Store& s, double* x) {
    for (int j = 0; j <= s.last_col; j++) x[j] = 0;
    for (int r = 1; r <= s.num_cons; r++) x[s.basis_index[r]] = s.a_mat[r][s.rhs_col];
}

// Every non-artificial entry of x is at least zero and every row of the
// model as read balances with its slack or surplus entry of x, both
// within tol_check. Artificial entries are left out, so an artificial
// above zero shows as a broken row.
bool pointHolds(const Store& s, const double* x) {
    double largest = 0;
    for (int j = 1; j <= s.last_col; j++)
        if (!s.isart[j]) largest = std::fmax(largest, std::fabs(x[j]));
    for (int j = 1; j <= s.last_col; j++)
        if (!s.isart[j] && x[j] < -tol_check * largest) return false;
    for (int r = 1; r <= s.num_cons; r++) {
        Sum row;
        row.addModel(s.rrhs[r], -1.0);
        for (int j = 1; j <= s.num_vars; j++) row.addModel(s.a_read[r][j], x[j]);
        if (s.row_type[r] != 0) row.add(addedSign(s, r) * x[addedColumn(s, r)]);
        if (!row.within(tol_check)) return false;
    }
    return true;
}

void internalCosts(const Store& s, double* c) {
    for (int j = 0; j <= s.last_col; j++) c[j] = j <= s.num_vars ? s.z_mult * s.cost[j] : 0;
}

// The dual values that objective row obj of the final tableau implies: the
// reduced cost of row r's own column k is its cost less y[r] times its
// entry, and an artificial costs 1 in phase 1.
void impliedDuals(const Store& s, int obj, double* y) {
    for (int r = 1; r <= s.num_cons; r++) {
        int k = addedColumn(s, r);
        double c = obj == s.ph1_row && s.isart[k] ? 1.0 : 0.0;
        y[r] = (c - s.a_mat[obj][k]) / addedSign(s, r);
    }
}

// The reduced cost c[j] - y A_j of every column, each with its bound.
void reducedCosts(const Store& s, const double* c, const double* y, Sum* d) {
    for (int j = 1; j <= s.last_col; j++) {
        d[j] = Sum{};
        d[j].addModel(c[j], 1.0);
    }
    for (int r = 1; r <= s.num_cons; r++) {
        for (int j = 1; j <= s.num_vars; j++) d[j].addModel(s.a_read[r][j], -y[r]);
        if (s.row_type[r] != 0) d[addedColumn(s, r)].add(-y[r] * addedSign(s, r));
    }
}

mpq_class exactReducedCost(const Store& s, const double* c, const double* y, int j) {
    mpq_class d = written(c[j]);
    for (int r = 1; r <= s.num_cons; r++) {
        if (j <= s.num_vars)
            d -= mpq_class(y[r]) * written(s.a_read[r][j]);
        else if (s.row_type[r] != 0 && j == addedColumn(s, r))
            d -= mpq_class(y[r]) * addedSign(s, r);
    }
    return d;
}

// Every reduced cost proven non-negative by its bound alone.
bool dualsHoldInFloat(const Store& s, const double* c, const double* y) {
    Sum d[tab_cols];
    reducedCosts(s, c, y, d);
    for (int j = 1; j <= s.last_col; j++) {
        int sign = d[j].sign();
        if (!s.isart[j] && (sign < 0 || sign == undecided)) return false;
    }
    return true;
}

// The reduced costs of the basic columns are zero but for rounding, so
// their exact signs are a matter of chance. Moving y by B^-T times a lift a
// little above that rounding raises each of them by its lift, and the
// nonbasic ones by a like amount times their tableau entries; the tableau's
// slack, surplus and artificial columns hold B^-1 for the purpose. This
// only decides how often a right answer needs the exact tableau.
void liftBasicColumns(const Store& s, const double* c, double* y) {
    double lift[tab_rows] = {};
    for (int r = 1; r <= s.num_cons; r++) {
        int j = s.basis_index[r];
        if (s.isart[j]) continue;
        Sum d;
        d.addModel(c[j], 1.0);
        for (int i = 1; i <= s.num_cons; i++) {
            if (j <= s.num_vars)
                d.addModel(s.a_read[i][j], -y[i]);
            else if (s.row_type[i] != 0 && j == addedColumn(s, i))
                d.add(-y[i] * addedSign(s, i));
        }
        lift[r] = 8 * (std::fabs(d.sum) + d.error()) + 0x1p-44 * d.size;
    }
    for (int i = 1; i <= s.num_cons; i++) {
        int k = addedColumn(s, i);
        double shift = 0;
        for (int r = 1; r <= s.num_cons; r++) shift = shift + s.a_mat[r][k] * lift[r];
        y[i] = y[i] - addedSign(s, i) * shift;
    }
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
    impliedDuals(s, s.ph1_row, u);
    reducedCosts(s, c, y, d);
    reducedCosts(s, zero, u, d1);
    double theta = 0;
    for (int j = 1; j <= s.last_col; j++)
        if (!s.isart[j] && d[j].sum < 0 && d1[j].sign() == 1)
            theta = std::fmax(theta, -d[j].sum / d1[j].sum * (1 + 0x1p-30));
    for (int r = 1; r <= s.num_cons; r++) y[r] = y[r] + theta * u[r];
}

// c x - y b: how far the point's objective lies above the bound that the
// duals prove.
bool gapHolds(const Store& s, const double* c, const double* x, const double* y) {
    Sum gap;
    for (int j = 1; j <= s.num_vars; j++) gap.addModel(c[j], x[j]);
    for (int r = 1; r <= s.num_cons; r++) gap.addModel(s.rrhs[r], -y[r]);
    return gap.within(tol_check);
}

// The objective entry of the tableau is the point's objective.
bool objectiveHolds(const Store& s, const double* c, const double* x) {
    Sum objective;
    objective.add(s.a_mat[s.ph2_row][s.rhs_col]);
    for (int j = 1; j <= s.num_vars; j++) objective.addModel(c[j], x[j]);
    return objective.within(tol_check);
}

bool floatOptimumHolds(const Store& s, const double* c, const double* x) {
    double y[tab_rows];
    impliedDuals(s, s.ph2_row, y);
    if (s.num_artif > 0) addPhase1Share(s, c, y);
    if (!dualsHoldInFloat(s, c, y)) {
        liftBasicColumns(s, c, y);
        if (!duals_hold(s, c, y)) return false;
    }
    return gapHolds(s, c, x, y);
}

ExactTableau& atBasis(const Store& s, ExactTableau& e) {
    if (e.a.empty()) e = exact_at_basis(s);
    return e;
}

// The exact dual values of row obj of an exact tableau.
std::vector<mpq_class> exactDuals(const Store& s, const ExactTableau& e, int obj) {
    std::vector<mpq_class> y(s.num_cons + 1);
    for (int r = 1; r <= s.num_cons; r++) {
        int k = addedColumn(s, r);
        mpq_class c = obj == s.ph1_row && s.isart[k] ? 1 : 0;
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
    for (int j = 1; j <= s.last_col; j++) {
        if (s.isart[j]) continue;
        double exact = e.a[0][j].get_d();
        if (s.a_mat[0][j] == 0 && std::fabs(exact) < s.eps_pivot) continue;
        double size = std::fabs(c[j]);
        for (int r = 1; r <= s.num_cons; r++) {
            double a = j <= s.num_vars ? s.a_read[r][j] : j == addedColumn(s, r) ? 1.0 : 0.0;
            size = size + std::fabs(y[r].get_d() * a);
        }
        if (!(std::fabs(s.a_mat[0][j] - exact) <= tol_check * size)) return false;
    }
    return true;
}

// The exact tableau of the same basis: its reduced costs (with a share of
// the phase-1 ones, as above) are the certificate, and the gap is taken
// against its dual values.
bool exactOptimumHolds(const Store& s, const ExactTableau& e, const double* c, const double* x) {
    mpq_class theta = 0;
    for (int j = 1; j <= s.last_col && s.num_artif > 0; j++) {
        const mpq_class& d1 = e.a[s.ph1_row][j];
        if (!s.isart[j] && sgn(e.a[0][j]) < 0 && sgn(d1) > 0 && -e.a[0][j] / d1 > theta)
            theta = -e.a[0][j] / d1;
    }
    for (int j = 1; j <= s.last_col; j++) {
        if (s.isart[j]) continue;
        mpq_class d = e.a[0][j];
        if (s.num_artif > 0) d += theta * e.a[s.ph1_row][j];
        if (sgn(d) < 0) return false;
    }
    std::vector<mpq_class> y = exactDuals(s, e, 0);
    if (!reportedCostsHold(s, e, y)) return false;
    if (s.num_artif > 0) {
        std::vector<mpq_class> u = exactDuals(s, e, s.ph1_row);
        for (int r = 1; r <= s.num_cons; r++) y[r] += theta * u[r];
    }
    mpq_class gap = 0, size = 0, term;
    for (int j = 1; j <= s.num_vars; j++) {
        term = written(c[j]) * mpq_class(x[j]);
        gap += term;
        size += abs(term);
    }
    for (int r = 1; r <= s.num_cons; r++) {
        term = y[r] * written(s.rrhs[r]);
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
    if (s.num_artif == 0) return false;
    double u[tab_rows];
    impliedDuals(s, s.ph1_row, u);
    if (farkas_holds(s, u)) return true;
    double zero[tab_cols] = {};
    liftBasicColumns(s, zero, u);
    if (farkas_holds(s, u)) return true;
    if (!atBasis(s, e).at_basis) return false;
    for (int j = 1; j <= s.last_col; j++)
        if (!s.isart[j] && sgn(e.a[s.ph1_row][j]) < 0) return false;
    mpq_class artificials = 0;
    for (int r = 1; r <= s.num_cons; r++)
        if (s.isart[e.basis[r]]) artificials += e.a[r][0];
    return sgn(artificials) > 0;
}

// The ray conditions on an exact dx (one entry per model variable).
bool exactRayHolds(const Store& s, const std::vector<mpq_class>& dx) {
    for (int j = 1; j <= s.num_vars; j++)
        if (sgn(dx[j]) < 0) return false;
    mpq_class sum;
    for (int r = 1; r <= s.num_cons; r++) {
        sum = 0;
        for (int j = 1; j <= s.num_vars; j++)
            if (sgn(dx[j]) != 0) sum += written(s.a_read[r][j]) * dx[j];
        if (s.row_type[r] * sgn(sum) > 0 || (s.row_type[r] == 0 && sgn(sum) != 0)) return false;
    }
    sum = 0;
    for (int j = 1; j <= s.num_vars; j++)
        if (sgn(dx[j]) != 0) sum += written(s.cost[j]) * s.z_mult * dx[j];
    return sgn(sum) < 0;
}

// The entering column moving without limit, the basic columns following it
// as its tableau column says: first as the floating-point tableau has it,
// then as the exact tableau of the same basis does.
bool unboundedHolds(const Store& s, ExactTableau& e) {
    double x[tab_cols], dx[tab_cols] = {};
    basicPoint(s, x);
    if (!pointHolds(s, x)) return false;
    double direction = s.direction < 0 ? -1.0 : 1.0;
    int q = s.piv_col;
    if (q <= s.num_vars) dx[q] = direction;
    for (int r = 1; r <= s.num_cons; r++)
        if (s.basis_index[r] <= s.num_vars) dx[s.basis_index[r]] = -s.a_mat[r][q] * direction;
    if (ray_holds(s, dx)) return true;
    if (!atBasis(s, e).at_basis) return false;
    std::vector<mpq_class> exact(s.num_vars + 1);
    if (q <= s.num_vars) exact[q] = direction;
    for (int r = 1; r <= s.num_cons; r++)
        if (e.basis[r] <= s.num_vars) exact[e.basis[r]] = -e.a[r][q] * direction;
    return exactRayHolds(s, exact);
}

} // namespace

void keep_model(Store& s) {
    for (int r = 0; r <= s.num_cons; r++) std::memcpy(s.a_read[r], s.a_mat[r], sizeof s.a_read[r]);
}

bool duals_hold(const Store& s, const double* c, const double* y) {
    Sum d[tab_cols];
    reducedCosts(s, c, y, d);
    for (int j = 1; j <= s.last_col; j++) {
        if (s.isart[j]) continue;
        int sign = d[j].sign();
        if (sign < 0) return false;
        if (sign == undecided && sgn(exactReducedCost(s, c, y, j)) < 0) return false;
    }
    return true;
}

bool farkas_holds(const Store& s, const double* u) {
    double zero[tab_cols] = {};
    if (!duals_hold(s, zero, u)) return false;
    Sum violation;
    for (int r = 1; r <= s.num_cons; r++) violation.addModel(s.rrhs[r], u[r]);
    int sign = violation.sign();
    if (sign != undecided) return sign > 0;
    mpq_class exact = 0;
    for (int r = 1; r <= s.num_cons; r++) exact += written(s.rrhs[r]) * mpq_class(u[r]);
    return sgn(exact) > 0;
}

bool ray_holds(const Store& s, const double* dx) {
    for (int j = 1; j <= s.num_vars; j++)
        if (!(dx[j] >= 0)) return false;
    bool settled = true;
    for (int r = 1; r <= s.num_cons && settled; r++) {
        Sum row;
        for (int j = 1; j <= s.num_vars; j++) row.addModel(s.a_read[r][j], dx[j]);
        int sign = row.sign();
        if (sign == undecided)
            settled = false;
        else if (s.row_type[r] * sign > 0 || (s.row_type[r] == 0 && sign != 0))
            return false;
    }
    Sum gain;
    for (int j = 1; j <= s.num_vars; j++) gain.addModel(s.cost[j], s.z_mult * dx[j]);
    if (settled && gain.sign() != undecided) return gain.sign() < 0;
    std::vector<mpq_class> exact(s.num_vars + 1);
    for (int j = 1; j <= s.num_vars; j++) exact[j] = dx[j];
    return exactRayHolds(s, exact);
}

bool outcome_holds(const Store& s, ExactTableau& e) {
    if (s.end_stat == 1) return optimumHolds(s, e);
    if (s.end_stat == 2) return infeasibilityHolds(s, e);
    return unboundedHolds(s, e);
}

bool outcome_holds(const Store& s) {
    ExactTableau e;
    return outcome_holds(s, e);
}

} // namespace zep
