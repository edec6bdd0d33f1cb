#include "exact_basis.h"

#include "check/exact.h"

namespace zep::detail::testing {

namespace {

Vec modelColumn(const Store& s, int j) {
    Vec col(s.model.num_cons + 1);
    for (int r = 1; r <= s.model.num_cons; r++) {
        if (j == 0)
            col[r] = written(s.model.rrhs[r]);
        else if (j <= s.model.num_vars)
            col[r] = written(s.model.a_read[r][j]);
        else if (s.tab.added_col[r] == j)
            col[r] = s.tab.row_type[r] < 0 ? -1 : 1;
        else if (s.tab.art_col[r] == j)
            col[r] = 1;
    }
    return col;
}

// Gauss-Jordan on [B | I].
bool invert(int m, std::vector<Vec> b, std::vector<Vec>& inv) {
    inv.assign(m + 1, Vec(m + 1));
    for (int i = 1; i <= m; i++) inv[i][i] = 1;
    for (int c = 1; c <= m; c++) {
        int p = c;
        while (p <= m && sgn(b[p][c]) == 0) p++;
        if (p > m) return false;
        std::swap(b[p], b[c]);
        std::swap(inv[p], inv[c]);
        Q piv = b[c][c];
        for (int k = 1; k <= m; k++) {
            b[c][k] /= piv;
            inv[c][k] /= piv;
        }
        for (int r = 1; r <= m; r++) {
            if (r == c || sgn(b[r][c]) == 0) continue;
            Q f = b[r][c];
            for (int k = 1; k <= m; k++) {
                b[r][k] -= f * b[c][k];
                inv[r][k] -= f * inv[c][k];
            }
        }
    }
    return true;
}

// Where column j stands with the basic levels at zero: its lower bound, or
// its upper one where it sits there.
Q standing(const Store& s, int j) {
    Q v = written(s.model.lower[j]);
    if (s.tab.col_status[j] == -1 && hasWidth(s, j)) v += width(s, j);
    return v;
}

} // namespace

bool hasWidth(const Store& s, int j) {
    return s.model.upper[j] != s.tol.infinity;
}

Q width(const Store& s, int j) {
    return written(s.model.upper[j]) - written(s.model.lower[j]);
}

ExactBasis exactBasis(const Store& s) {
    ExactBasis x;
    int m = x.m = s.model.num_cons;
    int n = s.tab.last_col;
    for (int j = 0; j <= n; j++) x.a.push_back(modelColumn(s, j));
    // The basic levels are measured from the columns' lower bounds.
    for (int j = 1; j <= n; j++) {
        Q at = standing(s, j);
        if (sgn(at) == 0) continue;
        for (int r = 1; r <= m; r++) x.a[0][r] -= x.a[j][r] * at;
    }
    std::vector<Vec> b(m + 1, Vec(m + 1)), rowsInv;
    for (int r = 1; r <= m; r++)
        for (int k = 1; k <= m; k++) b[r][k] = x.a[s.tab.basis_index[k]][r];
    if (!invert(m, b, rowsInv)) {
        x.singular = true;
        return x;
    }
    x.inv.assign(m + 1, Vec(m + 1));
    for (int r = 1; r <= m; r++)
        for (int i = 1; i <= m; i++) x.inv[i][r] = rowsInv[r][i];
    x.T.assign(n + 1, Vec(m + 1));
    for (int j = 0; j <= n; j++)
        for (int r = 1; r <= m; r++)
            for (int i = 1; i <= m; i++) x.T[j][r] += rowsInv[r][i] * x.a[j][i];
    // The objective and phase-1 rows as the standard form builds them,
    // carried to the final basis: row - row_B T.
    Vec c(n + 1), p(n + 1);
    // Column 0 holds minus the objective with every column where it stands.
    c[0] = -written(s.model.obj_const);
    for (int j = 1; j <= s.model.num_vars; j++) {
        c[j] = s.model.z_mult * written(s.tab.cost[j]);
        c[0] -= written(s.tab.cost[j]) * standing(s, j);
    }
    c[0] *= s.model.z_mult;
    for (int r = 1; r <= m; r++) {
        if (!s.tab.art_col[r]) continue;
        for (int j = 0; j <= n; j++)
            if (!s.tab.isart[j]) p[j] += j == 0 ? x.a[0][r] : -x.a[j][r];
    }
    x.d.assign(n + 1, 0);
    x.d1.assign(n + 1, 0);
    for (int j = 0; j <= n; j++) {
        x.d[j] = c[j];
        x.d1[j] = p[j];
        for (int r = 1; r <= m; r++) {
            x.d[j] -= c[s.tab.basis_index[r]] * x.T[j][r];
            x.d1[j] -= p[s.tab.basis_index[r]] * x.T[j][r];
        }
    }
    x.obj0 = x.d[0];
    x.ph10 = x.d1[0];
    return x;
}

} // namespace zep::detail::testing
