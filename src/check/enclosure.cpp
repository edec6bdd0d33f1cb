#include "check/enclosure.h"

#include <cmath>

#include "check/certificate.h"
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

// The basis in blocks. A basic slack or surplus column is the signed unit
// vector of its own row, so with the rows and columns reordered
//     B = [ C  0 ]   the k rows whose own added column is nonbasic (tight)
//         [ E  D ]   the rows whose own added column is basic, D = diag(+-1)
// where C holds the tight rows of the k basic model columns. The model
// columns' values are C^-1 b_T, each basic added column's follows from its
// own row, and B^-1 = [C^-1 0; -D E C^-1 D]: trusting the tableau's inverse
// takes C alone, k^3 where B would take m^2 k.
//
// The tableau's inverse of C by its transpose, rt[t][i] = R[i][t] (so that
// R's columns are consecutive), and what it takes to trust it: alpha[i], a
// bound on row i of |I - R C| summed; beta_c, on ||C^-1|| in the maximum
// norm; size[i], on row i of |C^-1| summed; beta, on ||B^-1||. The basic
// model columns are kept by their transpose too, column[i][r] the entry of
// the i-th in row r, so that the sums over a row's columns run for all
// rows at once, each in its own column order.
struct Inverse {
    int k;
    int pos[tab_rows];   // the basis position of the i-th basic model column
    int col[tab_rows];   // its column
    int tight[tab_rows]; // the t-th tight row
    double column[tab_rows][tab_rows];
    double rt[tab_rows][tab_rows];
    double alpha[tab_rows];
    double size[tab_rows];
    double beta_c;
    double beta;
};

// Row r's own slack or surplus column where it is basic, else 0.
int basicOwn(const Store& s, int r) {
    int own = s.tab.added_col[r];
    return own != 0 && s.tab.col_status[own] > 0 ? own : 0;
}

// The basic model columns and the tight rows, as many of each for a basis
// without an artificial column.
bool blocks(const Store& s, Inverse& inv) {
    const int m = s.model.num_cons;
    inv.k = 0;
    int tight = 0;
    for (int p = 1; p <= m; p++) {
        int j = s.tab.basis_index[p];
        if (j > s.model.num_vars) continue;
        inv.pos[++inv.k] = p;
        inv.col[inv.k] = j;
        for (int r = 1; r <= m; r++) inv.column[inv.k][r] = s.model.a_read[r][j];
    }
    for (int r = 1; r <= m; r++) {
        if (basicOwn(s, r) == 0) {
            if (tight == inv.k) return false;
            inv.tight[++tight] = r;
        }
    }
    return tight == inv.k;
}

#if defined(__x86_64__)
#define PRODUCT_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define PRODUCT_CLONES
#endif

// Column a of C (rows 1 to k) times R, whose transpose is rt: the sums of
// the terms and of their magnitudes, each in row order, in loops over
// consecutive rows of R's transpose so that they vectorise.
PRODUCT_CLONES void productColumn(const double (*rt)[tab_rows], const double* a, int k, double* sum,
                                  double* size) {
    for (int i = 1; i <= k; i++) sum[i] = size[i] = 0;
    for (int t = 1; t <= k; t++) {
        const double v = a[t];
        if (v == 0) continue;
        const double* __restrict row = rt[t];
        for (int i = 1; i <= k; i++) {
            double term = row[i] * v;
            sum[i] = sum[i] + term;
            size[i] = size[i] + std::fabs(term);
        }
    }
}

// |I - R C| row by row: each column of R C is a sum over the tight rows
// with its bound, whose underflow allowance takes the whole row of |R| as
// its weight. Then ||B^-1||: its rows are those of C^-1, each within
// alpha[i] ||C^-1|| of R's, and for a basic added column's row r
// -+(E C^-1)_r and a single 1.
bool invert(const Store& s, Inverse& inv) {
    if (!blocks(s, inv)) return false;
    const int k = inv.k;
    double norm = 0;
    double weight[tab_rows];
    int unit[tab_rows];
    for (int t = 1; t <= k; t++) unit[t] = unitCol(s, inv.tight[t]);
    for (int i = 1; i <= k; i++) {
        const double* tableau_row = s.tab.a_mat[inv.pos[i]];
        double row = 0;
        for (int t = 1; t <= k; t++) {
            inv.rt[t][i] = tableau_row[unit[t]];
            row = row + std::fabs(inv.rt[t][i]);
        }
        weight[i] = up(row);
        norm = larger(norm, weight[i]);
        inv.alpha[i] = 0;
    }
    double sum[tab_rows], size[tab_rows], column[tab_rows];
    for (int q = 1; q <= k; q++) {
        for (int t = 1; t <= k; t++) column[t] = inv.column[q][inv.tight[t]];
        productColumn(inv.rt, column, k, sum, size);
        for (int i = 1; i <= k; i++) {
            Sum entry{sum[i], size[i], weight[i], k, false};
            inv.alpha[i] += std::fabs((i == q ? 1.0 : 0.0) - sum[i]) + entry.error();
        }
    }
    double alpha = 0;
    for (int i = 1; i <= k; i++) {
        inv.alpha[i] = up(inv.alpha[i]);
        alpha = larger(alpha, inv.alpha[i]);
    }
    if (!(alpha < 0.5)) return false;
    inv.beta_c = up(norm / ((1 - alpha) * (1 - 0x1p-50)));
    inv.beta = 0;
    for (int i = 1; i <= k; i++) {
        inv.size[i] = up(weight[i] + inv.alpha[i] * inv.beta_c);
        inv.beta = larger(inv.beta, inv.size[i]);
    }
    const int m = s.model.num_cons;
    double row[tab_rows];
    for (int r = 1; r <= m; r++) row[r] = 1;
    for (int i = 1; i <= k; i++)
        for (int r = 1; r <= m; r++) row[r] = row[r] + std::fabs(inv.column[i][r]) * inv.size[i];
    for (int r = 1; r <= m; r++)
        if (basicOwn(s, r) != 0) inv.beta = larger(inv.beta, up(row[r]));
    return std::isfinite(inv.beta);
}

// x = B^-1 b: the residual b - B x of the tableau's point, bounded row by
// row, gives for the model columns |x* - x| <= |R| rho_T + alpha ||C^-1||
// ||rho_T||, and for the added column of row r, whose value is
// +-(b_r - E_r x*), |x* - x| <= rho_r + |E_r| |x_C* - x_C|.
void boundPoint(const Store& s, const Inverse& inv, BasisBounds& b) {
    const int m = s.model.num_cons, k = inv.k;
    double x[tab_cols] = {};
    for (int p = 1; p <= m; p++) x[s.tab.basis_index[p]] = s.tab.a_mat[p][s.tab.rhs_col];
    const int* col = inv.col;
    // Each row's residual as a Sum would add it (the right-hand side, the
    // basic model columns in order, the row's own added column), all rows
    // at once; the bound reads only the sums, the magnitudes, the weight
    // and the count of terms.
    double sum[tab_rows], size[tab_rows];
    for (int r = 1; r <= m; r++) {
        double term = s.model.rrhs[r] * -1.0;
        sum[r] = 0.0 + term;
        size[r] = 0.0 + std::fabs(term);
    }
    double weight = 0.0 + 1.0;
    for (int i = 1; i <= k; i++) {
        const double v = x[col[i]];
        weight = weight + std::fabs(v);
        for (int r = 1; r <= m; r++) {
            double term = inv.column[i][r] * v;
            sum[r] = sum[r] + term;
            size[r] = size[r] + std::fabs(term);
        }
    }
    double rho[tab_rows];
    for (int r = 1; r <= m; r++) {
        Sum res{sum[r], size[r], weight, 1 + k, false};
        if (int own = s.tab.added_col[r]) res.add(addedSign(s, r) * x[own]);
        rho[r] = std::isfinite(res.sum) ? up(std::fabs(res.sum) + res.error()) : HUGE_VAL;
    }
    double largest = 0;
    for (int t = 1; t <= k; t++) largest = larger(largest, rho[inv.tight[t]]);
    double spread = up(inv.beta_c * largest);
    for (int j = 1; j <= s.tab.last_col; j++) b.x[j] = {0, 0};
    // |R| rho_T, over the rows of R's transpose so that the loop vectorises.
    double err[tab_rows] = {};
    for (int t = 1; t <= k; t++)
        for (int i = 1; i <= k; i++) err[i] = err[i] + std::fabs(inv.rt[t][i]) * rho[inv.tight[t]];
    double radius[tab_rows];
    for (int i = 1; i <= k; i++) {
        radius[i] = up(up(err[i]) + inv.alpha[i] * spread);
        b.x[col[i]] = around(x[col[i]], radius[i]);
    }
    double moved[tab_rows];
    for (int r = 1; r <= m; r++) moved[r] = rho[r];
    for (int i = 1; i <= k; i++)
        for (int r = 1; r <= m; r++) moved[r] = moved[r] + std::fabs(inv.column[i][r]) * radius[i];
    for (int r = 1; r <= m; r++)
        if (int own = basicOwn(s, r)) b.x[own] = around(x[own], up(moved[r]));
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
