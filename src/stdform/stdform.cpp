#include "stdform/stdform.h"

#include <cstdio>
#include <cstring>

#include "input/names.h"
#include "store/print.h"

namespace zep {

// The prefix and the label, cut to a name's 12 characters.
int addslk(Store& s, const char* prefix, const char* label) {
    std::size_t n = strnlen(prefix, name_size - 1);
    std::memcpy(s.buf, prefix, n);
    std::size_t m = strnlen(label, name_size - 1 - n);
    std::memcpy(s.buf + n, label, m);
    s.buf[n + m] = '\0';
    return nameNum(s);
}

void hit_max(Store& s, int code) {
    print(s, "MAX DIMENSIONS EXCEEDED  Error code %d\n", code);
}

namespace {

// Registers the name of a new column of row r; the column number itself
// always comes from last_col.
int addColumn(Store& s, const char* prefix, int r) {
    if (addslk(s, prefix, s.rname[r]) < 0) {
        hit_max(s, 2);
        throw ProcessEnd{2};
    }
    s.last_col++;
    s.upperb[s.last_col] = s.infinity;
    return s.last_col;
}

void makeBasic(Store& s, int r, int k) {
    s.a_mat[r][k] = 1;
    s.col_status[k] = r;
    s.basis_index[r] = k;
}

void addArtificial(Store& s, int r) {
    int k = addColumn(s, "ART:", r);
    s.isart[k] = 1;
    makeBasic(s, r, k);
    s.num_artif++;
}

void addColumns(Store& s, int r) {
    if (s.row_type[r] > 0) {
        int k = addColumn(s, "SLK:", r);
        makeBasic(s, r, k);
        s.row_type[r] = k;
    } else if (s.row_type[r] == 0) {
        addArtificial(s, r);
    } else {
        int k = addColumn(s, "SRP:", r);
        s.a_mat[r][k] = -1;
        s.row_type[r] = -k;
        s.col_status[k] = 0;
        addArtificial(s, r);
    }
}

// The reduced costs of the phase-1 objective (the sum of the artificials)
// for the starting basis.
void buildPhase1Row(Store& s) {
    double* p1 = s.a_mat[s.ph1_row];
    for (int j = 1; j <= s.num_vars; j++) {
        p1[j] = 0;
        for (int r = 1; r <= s.num_cons; r++)
            if (s.isart[s.basis_index[r]]) p1[j] = p1[j] - s.a_mat[r][j];
    }
    for (int r = 1; r <= s.num_cons; r++)
        if (s.row_type[r] < 0) p1[-s.row_type[r]] = 1;
    p1[0] = 0;
    for (int r = 1; r <= s.num_cons; r++)
        if (s.isart[s.basis_index[r]]) p1[0] = p1[0] + s.a_mat[r][0];
}

} // namespace

void setprob(Store& s) {
    s.ph2_row = 0;
    s.last_col = s.num_vars;
    s.last_row = s.num_cons;
    s.ph1_row = s.num_cons + 1;
    for (int j = 0; j <= s.num_vars; j++) {
        s.col_status[j] = 0;
        s.cost[j] = s.a_mat[0][j];
        s.a_mat[0][j] = s.a_mat[0][j] * s.z_mult;
    }
    s.num_artif = 0;
    for (int r = 1; r <= s.num_cons; r++) addColumns(s, r);
    s.phase = s.num_artif > 0 ? 1 : 2;
    if (s.phase == 2) return;
    s.last_row = s.num_cons + 1;
    buildPhase1Row(s);
}

} // namespace zep
