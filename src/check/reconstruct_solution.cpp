#include "check/reconstruct.h"

#include "check/certificate.h"
#include "check/decimals.h"

namespace zep::detail {

namespace {

// The indices 1 to n whose entry of v is not zero, in order, into at;
// their count.
int nonZero(const std::int64_t* v, int n, int* at) {
    int count = 0;
    for (int i = 1; i <= n; i++)
        if (v[i] != 0) at[++count] = i;
    return count;
}

// B x = b exactly, x of basic column p being x[p] / den: row by row, each
// row's decimals scaled to whole numbers. Terms of a zero x[p] are zero.
bool pointHolds(const Store& s, const Decimals& dec, const AddedColumns& added,
                const std::int64_t* x, std::int64_t den) {
    const int m = s.model.num_cons;
    int at[tab_rows];
    const int n = nonZero(x, m, at);
    for (int r = 1; r <= m; r++) {
        int places = dec.rhs[r].places;
        for (int i = 1; i <= n; i++) {
            int j = s.tab.basis_index[at[i]];
            if (j <= s.model.num_vars) places = std::max(places, dec.a(r, j).places);
        }
        Wide sum = 0;
        for (int i = 1; i <= n; i++) {
            int p = at[i], j = s.tab.basis_index[p];
            Wide entry;
            if (j <= s.model.num_vars && s.model.a_read[r][j] != 0)
                entry = atPlaces(dec.a(r, j), places);
            else if (added.row[j] == r)
                entry = added.sign[j] * powerOfTen(places);
            else
                continue;
            if (!accumulate(sum, entry, x[p])) return false;
        }
        Wide rhs;
        if (!product(atPlaces(dec.rhs[r], places), den, rhs) || rhs != sum) return false;
    }
    return true;
}

// The reduced cost of every column at y (y[r] / den), into b.d; false
// where a basic column's is not exactly zero. Terms of a zero y[r] are
// zero.
bool reducedCostsHold(const Store& s, const Decimals& dec, const AddedColumns& added,
                      const std::int64_t* y, std::int64_t den, BasisBounds& b) {
    int at[tab_rows];
    const int n = nonZero(y, s.model.num_cons, at);
    for (int j = 1; j <= s.model.num_vars; j++) {
        int places = dec.cost[j].places;
        for (int i = 1; i <= n; i++) places = std::max(places, dec.a(at[i], j).places);
        Wide sum = 0;
        if (!accumulate(sum, atPlaces(dec.cost[j], places) * static_cast<int>(s.model.z_mult), den))
            return false;
        for (int i = 1; i <= n; i++)
            if (!accumulate(sum, -atPlaces(dec.a(at[i], j), places), y[at[i]])) return false;
        if (s.tab.col_status[j] > 0 && sum != 0) return false;
        Wide scale;
        if (!product(powerOfTen(places), den, scale)) return false;
        b.d[j] = point(sum, scale);
    }
    for (int j = s.model.num_vars + 1; j <= s.tab.last_col; j++) {
        Wide d = added.row[j] ? -Wide{added.sign[j]} * y[added.row[j]] : 0;
        if (s.tab.col_status[j] > 0 && d != 0) return false;
        b.d[j] = point(d, den);
    }
    return true;
}

} // namespace

bool exact_basis_solution(const Store& s, BasisBounds& b) {
    const int m = s.model.num_cons;
    if (!only_non_negative(s)) return false;
    double value[tab_rows], dual[tab_rows];
    for (int p = 1; p <= m; p++) {
        value[p] = s.tab.a_mat[p][s.tab.rhs_col];
        dual[p] = -s.tab.a_mat[0][s.tab.added_col[p]] / addedSign(s, p);
    }
    std::int64_t x[tab_rows], y[tab_rows], x_den, y_den;
    if (!overOneDenominator(value, m, x, x_den) || !overOneDenominator(dual, m, y, y_den))
        return false;
    Decimals dec;
    if (!dec.read(s)) return false;
    AddedColumns added(s);
    if (!pointHolds(s, dec, added, x, x_den) || !reducedCostsHold(s, dec, added, y, y_den, b))
        return false;
    for (int j = 1; j <= s.tab.last_col; j++) b.x[j] = {0, 0};
    for (int p = 1; p <= m; p++) b.x[s.tab.basis_index[p]] = point(x[p], x_den);
    for (int r = 1; r <= m; r++) b.y[r] = point(y[r], y_den);
    int places = 0;
    for (int p = 1; p <= m; p++) {
        int j = s.tab.basis_index[p];
        if (j <= s.model.num_vars) places = std::max(places, dec.cost[j].places);
    }
    Decimal constant;
    if (!decimal_of(s.model.obj_const, constant)) return false;
    places = std::max(places, constant.places);
    Wide objective = 0;
    if (!accumulate(objective, atPlaces(constant, places) * static_cast<int>(s.model.z_mult),
                    x_den))
        return false;
    for (int p = 1; p <= m; p++) {
        int j = s.tab.basis_index[p];
        if (j > s.model.num_vars) continue;
        Wide c = atPlaces(dec.cost[j], places) * static_cast<int>(s.model.z_mult);
        if (!accumulate(objective, c, x[p])) return false;
    }
    Wide scale;
    if (!product(powerOfTen(places), x_den, scale)) return false;
    b.objective = point(objective, scale);
    return true;
}

} // namespace zep::detail
