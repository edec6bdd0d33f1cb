#include "check/certificate.h"

#include "check/exact.h"
#include "check/verify.h"

namespace zep::detail {

// The reduced cost c[j] - y A_j of every column, each with its bound. The
// sums run in arrays of their own, row by row over consecutive columns, so
// that the loop vectorises; each column's terms are still added in row
// order.
void reducedCosts(const Store& s, const double* c, const double* y, Sum* d) {
    double sum[tab_cols], size[tab_cols];
    double weight = 1;
    for (int j = 1; j <= s.tab.last_col; j++) {
        sum[j] = c[j];
        size[j] = std::fabs(c[j]);
    }
    for (int r = 1; r <= s.model.num_cons; r++) {
        if (y[r] == 0) continue; // terms of exactly zero
        const double v = -y[r];
        const double* a = s.model.a_read[r];
        weight = weight + std::fabs(v);
        for (int j = 1; j <= s.model.num_vars; j++) {
            double term = a[j] * v;
            sum[j] = sum[j] + term;
            size[j] = size[j] + std::fabs(term);
        }
    }
    for (int r = 1; r <= s.model.num_cons; r++) {
        if (s.tab.row_type[r] == 0) continue;
        int k = s.tab.added_col[r];
        double term = -y[r] * addedSign(s, r);
        sum[k] = sum[k] + term;
        size[k] = size[k] + std::fabs(term);
    }
    for (int j = 1; j <= s.tab.last_col; j++) {
        d[j] = Sum{sum[j], size[j], weight, s.model.num_cons + 1, false};
        // A column whose terms all came out zero: were any of them lost to
        // underflow?
        for (int r = 1; r <= s.model.num_cons && size[j] == 0 && j <= s.model.num_vars; r++)
            if (s.model.a_read[r][j] != 0 && y[r] != 0) d[j].lost = true;
    }
}

// Each product w[r] l[j] is rounded once before it meets a[r][j], and l[j]
// is a number of the model too: the extra terms widen the bound to match.
Sum boundedRhs(const Store& s, const double* w, Sum sum) {
    for (int r = 1; r <= s.model.num_cons; r++) {
        if (w[r] == 0) continue;
        sum.addModel(s.model.rrhs[r], w[r]);
        for (int j = 1; j <= s.tab.last_col; j++) {
            double l = boundValue(s, j);
            if (l == 0 || entryOf(s, r, j) == 0) continue;
            sum.addModel(entryOf(s, r, j), -(w[r] * l));
            sum.terms += 2;
        }
    }
    return sum;
}

mpq_class exactBoundedRhs(const Store& s, const std::vector<mpq_class>& w) {
    mpq_class sum = 0;
    for (int r = 1; r <= s.model.num_cons; r++) {
        if (sgn(w[r]) == 0) continue;
        mpq_class row = written(s.model.rrhs[r]);
        for (int j = 1; j <= s.tab.last_col; j++)
            if (boundValue(s, j) != 0) row -= written(entryOf(s, r, j)) * written(boundValue(s, j));
        sum += w[r] * row;
    }
    return sum;
}

mpq_class exactReducedCost(const Store& s, const double* c, const double* y, int j) {
    mpq_class d = written(c[j]);
    for (int r = 1; r <= s.model.num_cons; r++) {
        if (j <= s.model.num_vars)
            d -= mpq_class(y[r]) * written(s.model.a_read[r][j]);
        else if (s.tab.row_type[r] != 0 && j == s.tab.added_col[r])
            d -= mpq_class(y[r]) * addedSign(s, r);
    }
    return d;
}

bool exactRayHolds(const Store& s, const std::vector<mpq_class>& dx) {
    for (int j = 1; j <= s.model.num_vars; j++)
        if (sgn(dx[j]) < 0 || (sgn(dx[j]) > 0 && s.model.upper[j] != s.tol.infinity)) return false;
    mpq_class sum;
    for (int r = 1; r <= s.model.num_cons; r++) {
        sum = 0;
        for (int j = 1; j <= s.model.num_vars; j++)
            if (sgn(dx[j]) != 0) sum += written(s.model.a_read[r][j]) * dx[j];
        if (s.tab.row_type[r] * sgn(sum) > 0 || (rayKeepsRowExactly(s, r) && sgn(sum) != 0))
            return false;
    }
    sum = 0;
    for (int j = 1; j <= s.model.num_vars; j++)
        if (sgn(dx[j]) != 0) sum += written(s.tab.cost[j]) * s.model.z_mult * dx[j];
    return sgn(sum) < 0;
}

bool duals_hold(const Store& s, const double* c, const double* y) {
    Sum d[tab_cols];
    reducedCosts(s, c, y, d);
    for (int j = 1; j <= s.tab.last_col; j++) {
        if (s.tab.isart[j]) continue;
        int side = boundSide(s, j);
        int sign = d[j].sign();
        if (sign != undecided && sign * side < 0) return false;
        if (sign == undecided && sgn(exactReducedCost(s, c, y, j)) * side < 0) return false;
    }
    return true;
}

bool farkas_holds(const Store& s, const double* u) {
    double zero[tab_cols] = {};
    if (!duals_hold(s, zero, u)) return false;
    int sign = boundedRhs(s, u).sign();
    if (sign != undecided) return sign > 0;
    std::vector<mpq_class> exact(s.model.num_cons + 1);
    for (int r = 1; r <= s.model.num_cons; r++) exact[r] = u[r];
    return sgn(exactBoundedRhs(s, exact)) > 0;
}

bool ray_holds(const Store& s, const double* dx) {
    for (int j = 1; j <= s.model.num_vars; j++)
        if (!(dx[j] >= 0) || (dx[j] > 0 && s.model.upper[j] != s.tol.infinity)) return false;
    bool settled = true;
    for (int r = 1; r <= s.model.num_cons && settled; r++) {
        Sum row{};
        for (int j = 1; j <= s.model.num_vars; j++) row.addModel(s.model.a_read[r][j], dx[j]);
        int sign = row.sign();
        if (sign == undecided)
            settled = false;
        else if (s.tab.row_type[r] * sign > 0 || (rayKeepsRowExactly(s, r) && sign != 0))
            return false;
    }
    Sum gain{};
    for (int j = 1; j <= s.model.num_vars; j++)
        gain.addModel(s.tab.cost[j], s.model.z_mult * dx[j]);
    if (settled && gain.sign() != undecided) return gain.sign() < 0;
    std::vector<mpq_class> exact(s.model.num_vars + 1);
    for (int j = 1; j <= s.model.num_vars; j++) exact[j] = dx[j];
    return exactRayHolds(s, exact);
}

} // namespace zep::detail
