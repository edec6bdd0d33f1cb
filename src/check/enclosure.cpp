#include "check/enclosure.h"

#include <cmath>

#include "check/certificate.h"
#include "check/decimals.h"
#include "check/steps.h"

namespace zep::detail {

namespace {

// A sum of at most a few hundred non-negative terms, computed in floating
// point, times this (and plus the last term, for underflow) is at least
// the exact sum.
constexpr double grow = 1 + 0x1p-44;
constexpr double floor_term = 0x1p-1000;

double up(double v) {
    return v * grow + floor_term;
}

Interval around(double v, double radius) {
    return {nextDown(v - radius), nextUp(v + radius)};
}

// Each row's column in the starting tableau, where it holds the unit
// vector of its row; the final tableau holds B^-1 there.
int unitCol(const Store& s, int r) {
    return s.tab.art_col[r] ? s.tab.art_col[r] : s.tab.added_col[r];
}

// The tableau's inverse of the basis by its transpose, rt[r][i] = R[i][r]
// (so that R's columns are consecutive), and what it takes to trust it:
// alpha[i], a bound on row i of |I - R B| summed, and beta, a bound on
// ||B^-1|| in the maximum norm.
struct Inverse {
    double rt[tab_rows][tab_rows];
    double alpha[tab_rows];
    double beta;
};

#if defined(__x86_64__)
#define PRODUCT_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define PRODUCT_CLONES
#endif

// Column a of a basis (rows 1 to m) times R, whose transpose is rt: the
// sums of the terms and of their magnitudes, each in row order, in loops
// over consecutive rows of R's transpose so that they vectorise.
PRODUCT_CLONES void productColumn(const double (*rt)[tab_rows], const double* a, int m, double* sum,
                                  double* size) {
    for (int i = 1; i <= m; i++) sum[i] = size[i] = 0;
    for (int r = 1; r <= m; r++) {
        const double v = a[r];
        if (v == 0) continue;
        const double* __restrict row = rt[r];
        for (int i = 1; i <= m; i++) {
            double term = row[i] * v;
            sum[i] = sum[i] + term;
            size[i] = size[i] + std::fabs(term);
        }
    }
}

// |I - R B| row by row. The columns of B that are added columns are signed
// unit vectors, so their columns of R B are columns of R, exactly; a model
// variable's column of R B is a sum over the rows with its bound, whose
// underflow allowance takes the whole row of |R| as its weight.
bool invert(const Store& s, Inverse& inv) {
    const int m = s.model.num_cons;
    double norm = 0;
    double weight[tab_rows];
    int unit[tab_rows];
    for (int r = 1; r <= m; r++) unit[r] = unitCol(s, r);
    for (int i = 1; i <= m; i++) {
        double row = 0;
        for (int r = 1; r <= m; r++) {
            inv.rt[r][i] = s.tab.a_mat[i][unit[r]];
            row = row + std::fabs(inv.rt[r][i]);
        }
        weight[i] = up(row);
        norm = larger(norm, weight[i]);
        inv.alpha[i] = 0;
    }
    double sum[tab_rows], size[tab_rows], column[tab_rows];
    const AddedColumns added(s);
    for (int p = 1; p <= m; p++) {
        int j = s.tab.basis_index[p];
        if (j > s.model.num_vars) {
            const double* r_column = inv.rt[added.row[j]];
            const double sign = added.sign[j];
            for (int i = 1; i <= m; i++)
                inv.alpha[i] += std::fabs((i == p ? 1.0 : 0.0) - sign * r_column[i]);
            continue;
        }
        for (int r = 1; r <= m; r++) column[r] = s.model.a_read[r][j];
        productColumn(inv.rt, column, m, sum, size);
        for (int i = 1; i <= m; i++) {
            Sum entry{sum[i], size[i], weight[i], m, false};
            inv.alpha[i] += std::fabs((i == p ? 1.0 : 0.0) - sum[i]) + entry.error();
        }
    }
    double alpha = 0;
    for (int i = 1; i <= m; i++) {
        inv.alpha[i] = up(inv.alpha[i]);
        alpha = larger(alpha, inv.alpha[i]);
    }
    if (!(alpha < 0.5)) return false;
    inv.beta = up(norm / ((1 - alpha) * (1 - 0x1p-50)));
    return std::isfinite(inv.beta);
}

// x = B^-1 b: the residual b - B x of the tableau's point, bounded row by
// row, gives |x* - x| <= |R| rho + alpha ||B^-1|| ||rho||.
void boundPoint(const Store& s, const Inverse& inv, BasisBounds& b) {
    const int m = s.model.num_cons;
    double x[tab_cols] = {};
    for (int p = 1; p <= m; p++) x[s.tab.basis_index[p]] = s.tab.a_mat[p][s.tab.rhs_col];
    double rho[tab_rows], largest = 0;
    for (int r = 1; r <= m; r++) {
        Sum res{};
        res.addModel(s.model.rrhs[r], -1.0);
        for (int p = 1; p <= m; p++) {
            int j = s.tab.basis_index[p];
            if (j <= s.model.num_vars) res.addModel(s.model.a_read[r][j], x[j]);
        }
        if (int k = s.tab.added_col[r]) res.add(addedSign(s, r) * x[k]);
        rho[r] = std::isfinite(res.sum) ? up(std::fabs(res.sum) + res.error()) : HUGE_VAL;
        largest = larger(largest, rho[r]);
    }
    double spread = up(inv.beta * largest);
    for (int j = 1; j <= s.tab.last_col; j++) b.x[j] = {0, 0};
    // |R| rho, over the rows of R's transpose so that the loop vectorises.
    double err[tab_rows] = {};
    for (int r = 1; r <= m; r++)
        for (int p = 1; p <= m; p++) err[p] = err[p] + std::fabs(inv.rt[r][p]) * rho[r];
    for (int p = 1; p <= m; p++) {
        double radius = up(up(err[p]) + inv.alpha[p] * spread);
        b.x[s.tab.basis_index[p]] = around(x[s.tab.basis_index[p]], radius);
    }
    Sum objective{};
    if (s.model.obj_const != 0) objective.addModel(s.model.obj_const, s.model.z_mult);
    double spill = 0;
    for (int p = 1; p <= m; p++) {
        int j = s.tab.basis_index[p];
        if (j > s.model.num_vars) continue;
        objective.addModel(s.tab.cost[j], s.model.z_mult * x[j]);
        spill = spill + up(std::fabs(s.tab.cost[j])) * (b.x[j].hi - b.x[j].lo);
    }
    b.objective = around(objective.sum, up(objective.error() + spill));
}

// The tableau's duals y and the reduced costs d they give for every
// column, each with its bound.
struct Duals {
    double y[tab_rows];
    Sum d[tab_cols];
};

void tableauDuals(const Store& s, Duals& u) {
    double c[tab_cols];
    for (int j = 0; j <= s.tab.last_col; j++)
        c[j] = j <= s.model.num_vars ? s.model.z_mult * s.tab.cost[j] : 0;
    for (int r = 1; r <= s.model.num_cons; r++)
        u.y[r] = -s.tab.a_mat[0][s.tab.added_col[r]] / addedSign(s, r);
    reducedCosts(s, c, u.y, u.d);
}

// y = B^-T c_B: the reduced costs of the basic columns at the tableau's
// duals are the dual residual s, and ||y* - y||_1 <= ||B^-1|| ||s||_1;
// a reduced cost moves by at most its column's largest entry times that.
void boundDuals(const Store& s, const Inverse& inv, const Duals& u, BasisBounds& b) {
    const int m = s.model.num_cons;
    double residual = 0;
    for (int p = 1; p <= m; p++) {
        const Sum& basic = u.d[s.tab.basis_index[p]];
        residual = residual +
                   (std::isfinite(basic.sum) ? up(std::fabs(basic.sum) + basic.error()) : HUGE_VAL);
    }
    double spread = up(inv.beta * up(residual));
    for (int r = 1; r <= m; r++) b.y[r] = around(u.y[r], spread);
    // Each model column's largest entry, row by row so that the loop
    // vectorises; an added column's is 1.
    double largest[tab_cols] = {};
    for (int r = 1; r <= m; r++)
        for (int j = 1; j <= s.model.num_vars; j++)
            largest[j] = larger(largest[j], std::fabs(s.model.a_read[r][j]));
    for (int j = 1; j <= s.tab.last_col; j++) {
        if (s.tab.col_status[j] > 0) {
            b.d[j] = {0, 0};
            continue;
        }
        double entry = j <= s.model.num_vars ? up(largest[j]) : 1;
        b.d[j] = around(u.d[j].sum, up(u.d[j].error() + entry * spread));
    }
}

// An interval around a value at or below zero (or NaN) reaches below
// zero, so where a basic value of the tableau, or a reduced cost of a
// nonbasic column that is not artificial at the tableau's duals, is one,
// the bounds cannot show the sign every proof needs of it.
bool pointCanBeBounded(const Store& s) {
    for (int p = 1; p <= s.model.num_cons; p++)
        if (!(s.tab.a_mat[p][s.tab.rhs_col] > 0)) return false;
    return true;
}

bool dualsCanBeBounded(const Store& s, const Duals& u) {
    for (int j = 1; j <= s.tab.last_col; j++)
        if (s.tab.col_status[j] == 0 && !s.tab.isart[j] && !(u.d[j].sum > 0)) return false;
    return true;
}

} // namespace

bool bound_basis(const Store& s, BasisBounds& b, bool duals) {
    for (int p = 1; p <= s.model.num_cons; p++)
        if (s.tab.isart[s.tab.basis_index[p]]) return false;
    for (int j = 1; j <= s.tab.last_col; j++)
        if (s.tab.col_status[j] < 0) return false;
    if (!pointCanBeBounded(s)) return false;
    // The signs first: they cost a pass over the model where the inverse
    // costs one per basic model column.
    Duals u;
    if (duals) {
        tableauDuals(s, u);
        if (!dualsCanBeBounded(s, u)) return false;
    }
    Inverse inv;
    if (!invert(s, inv)) return false;
    boundPoint(s, inv, b);
    if (duals) boundDuals(s, inv, u, b);
    return true;
}

} // namespace zep::detail
