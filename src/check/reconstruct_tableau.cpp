#include "check/reconstruct.h"

#include <gmpxx.h>

#include "check/decimals.h"

namespace zep::detail {

namespace {

// The weights of the objective row and of the phase-1 row as the standard
// form starts them (their columns of the starting tableau).
bool startWeights(const Store& s, const Decimals& dec, Weight* cost, Weight* phase1) {
    for (int j = 0; j <= s.tab.last_col; j++) cost[j] = phase1[j] = Weight{};
    Decimal constant;
    if (!decimal_of(s.model.obj_const, constant)) return false;
    addTo(cost[0], constant, -static_cast<int>(s.model.z_mult));
    for (int j = 1; j <= s.model.num_vars; j++)
        addTo(cost[j], dec.cost[j], static_cast<int>(s.model.z_mult));
    for (int r = 1; r <= s.model.num_cons; r++) {
        if (!s.tab.art_col[r]) continue;
        for (int j = 1; j <= s.model.num_vars; j++) addTo(phase1[j], dec.a(r, j), -1);
        addTo(phase1[0], dec.rhs[r], 1);
        if (s.tab.row_type[r] < 0) phase1[s.tab.added_col[r]] = Weight{1, 0};
    }
    return true;
}

// Entry c of a carried row w at the basis: w_c less w_B times column c of
// the tableau (x / den).
bool carried(const Store& s, const Weight* w, int c, const std::int64_t* x, std::int64_t den,
             mpq_class& out) {
    const int m = s.model.num_cons;
    int places = w[c].places;
    for (int p = 1; p <= m; p++)
        if (x[p] != 0) places = std::max(places, w[s.tab.basis_index[p]].places);
    Wide sum;
    if (!product(w[c].num * powerOfTen(places - w[c].places), den, sum)) return false;
    for (int p = 1; p <= m; p++) {
        const Weight& b = w[s.tab.basis_index[p]];
        if (x[p] != 0 && b.num != 0 &&
            !accumulate(sum, -b.num * powerOfTen(places - b.places), x[p]))
            return false;
    }
    Wide scale;
    if (!product(powerOfTen(places), den, scale)) return false;
    out = fractionOf(sum, scale);
    return true;
}

// B x = column c of [b A] exactly, x[p] / den, each row at the places of
// its basic entries (basic[r][p]) or of the column's entry if more.
bool columnHolds(const Store& s, const Decimals& dec, const AddedColumns& added,
                 const Wide (*basic)[tab_rows], const int* places, int c, const std::int64_t* x,
                 std::int64_t den) {
    const int m = s.model.num_cons;
    for (int r = 1; r <= m; r++) {
        Decimal a{0, 0};
        if (c == 0)
            a = dec.rhs[r];
        else if (c <= s.model.num_vars)
            a = dec.a(r, c);
        else if (added.row[c] == r)
            a = {added.sign[c], 0};
        Wide sum = 0;
        for (int p = 1; p <= m; p++)
            if (x[p] != 0 && basic[r][p] != 0 && !accumulate(sum, basic[r][p], x[p])) return false;
        int at = std::max(places[r], a.places);
        Wide lhs, rhs;
        if (!product(sum, powerOfTen(at - places[r]), lhs) || !product(atPlaces(a, at), den, rhs) ||
            lhs != rhs)
            return false;
    }
    return true;
}

} // namespace

bool reconstructed_tableau(const Store& s, ExactTableau& e) {
    if (!only_non_negative(s)) return false;
    const int m = s.model.num_cons;
    Decimals dec;
    if (!dec.read(s)) return false;
    AddedColumns added(s);
    Wide basic[tab_rows][tab_rows];
    int places[tab_rows];
    for (int r = 1; r <= m; r++) {
        places[r] = 0;
        for (int p = 1; p <= m; p++) {
            int j = s.tab.basis_index[p];
            if (j <= s.model.num_vars) places[r] = std::max(places[r], dec.a(r, j).places);
        }
        for (int p = 1; p <= m; p++) {
            int j = s.tab.basis_index[p];
            basic[r][p] = j <= s.model.num_vars ? atPlaces(dec.a(r, j), places[r])
                          : added.row[j] == r   ? added.sign[j] * Wide{powerOfTen(places[r])}
                                                : 0;
        }
    }
    Weight cost[tab_cols], phase1[tab_cols];
    if (!startWeights(s, dec, cost, phase1)) return false;
    ExactTableau t;
    // Each row made in place: a zero copied from a model row would allocate.
    t.a.resize(static_cast<std::size_t>(s.tab.last_row + 1));
    for (auto& row : t.a) row.resize(static_cast<std::size_t>(s.tab.last_col + 1));
    t.basis.assign(static_cast<std::size_t>(m + 1), 0);
    t.status.assign(static_cast<std::size_t>(s.tab.last_col + 1), 0);
    for (int p = 1; p <= m; p++) {
        t.basis[p] = s.tab.basis_index[p];
        t.status[t.basis[p]] = p;
    }
    bool phase1_row = s.tab.num_artif > 0;
    double value[tab_rows];
    std::int64_t x[tab_rows], den;
    for (int c = 0; c <= s.tab.last_col; c++) {
        if (c > 0 && s.tab.col_status[c] > 0) {
            t.a[s.tab.col_status[c]][c] = 1;
            continue;
        }
        for (int p = 1; p <= m; p++) value[p] = s.tab.a_mat[p][c];
        if (!overOneDenominator(value, m, x, den) ||
            !columnHolds(s, dec, added, basic, places, c, x, den))
            return false;
        for (int p = 1; p <= m; p++)
            if (x[p] != 0) t.a[p][c] = fractionOf(x[p], den);
        if (!carried(s, cost, c, x, den, t.a[0][c])) return false;
        if (phase1_row && !carried(s, phase1, c, x, den, t.a[s.tab.ph1_row][c])) return false;
    }
    t.at_basis = true;
    e = std::move(t);
    return true;
}

} // namespace zep::detail
