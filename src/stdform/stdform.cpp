#include "stdform/stdform.h"

#include <cstdio>
#include <cstring>

#include "input/chars.h"
#include "input/names.h"
#include "stdform/phase1_row.h"
#include "store/failure.h"
#include "store/print.h"

namespace zep::detail {

// The prefix and the label, cut to a name's 12 characters.
int addslk(Store& s, NameIndex& names, const char* prefix, const char* label) {
    char name[name_size];
    std::size_t n = textLength(prefix, name_size - 1);
    std::memcpy(name, prefix, n);
    std::size_t m = textLength(label, name_size - 1 - n);
    std::memcpy(name + n, label, m);
    name[n + m] = '\0';
    return names.nameNum(s, name);
}

void hit_max(Store& s, int code, int row) {
    // Every row's relation code keeps its sign as the columns are added.
    int slack = 0, surplus = 0, equal = 0;
    for (int r = 1; r <= s.model.num_cons; r++) {
        int t = s.tab.row_type[r];
        (t > 0 ? slack : t < 0 ? surplus : equal)++;
    }
    int needed = s.model.num_vars + slack + 2 * surplus + equal;
    fail(s, ErrorKind::capacity, {},
         format("MAX DIMENSIONS EXCEEDED  Error code %d\n", code).c_str(),
         format("the model needs %d columns (%d variables, %d slack, %d surplus, %d "
                "artificial) but zep holds %d; they ran out at row %d (%s)",
                needed, s.model.num_vars, slack, surplus, surplus + equal, max_names, row,
                s.model.rname[row]));
}

namespace {

// Registers the name of a new column of row r; the column number itself
// always comes from last_col.
int addColumn(Store& s, NameIndex& names, const char* prefix, int r) {
    if (addslk(s, names, prefix, s.model.rname[r]) < 0) hit_max(s, 2, r);
    s.tab.last_col++;
    s.tab.upperb[s.tab.last_col] = s.tol.infinity;
    return s.tab.last_col;
}

void makeBasic(Store& s, int r, int k) {
    s.tab.a_mat[r][k] = 1;
    s.tab.col_status[k] = r;
    s.tab.basis_index[r] = k;
}

void addArtificial(Store& s, NameIndex& names, int r) {
    int k = addColumn(s, names, "ART:", r);
    s.tab.isart[k] = 1;
    makeBasic(s, r, k);
    s.tab.art_col[r] = k;
    s.tab.num_artif++;
}

void addColumns(Store& s, NameIndex& names, int r) {
    s.tab.art_col[r] = 0;
    if (s.tab.row_type[r] > 0) {
        int k = addColumn(s, names, "SLK:", r);
        makeBasic(s, r, k);
        s.tab.added_col[r] = k;
    } else if (s.tab.row_type[r] == 0) {
        addArtificial(s, names, r);
        s.tab.added_col[r] = s.tab.art_col[r];
    } else {
        int k = addColumn(s, names, "SRP:", r);
        s.tab.a_mat[r][k] = -1;
        s.tab.col_status[k] = 0;
        s.tab.added_col[r] = k;
        addArtificial(s, names, r);
    }
}

} // namespace

void setprob(Store& s) {
    s.tab.ph2_row = 0;
    s.tab.last_col = s.model.num_vars;
    s.tab.last_row = s.model.num_cons;
    s.tab.ph1_row = s.model.num_cons + 1;
    for (int j = 0; j <= s.model.num_vars; j++) {
        s.tab.col_status[j] = 0;
        s.tab.cost[j] = s.tab.a_mat[0][j];
        s.tab.a_mat[0][j] = s.tab.a_mat[0][j] * s.model.z_mult;
    }
    s.tab.num_artif = 0;
    NameIndex names(s);
    for (int r = 1; r <= s.model.num_cons; r++) {
        addColumns(s, names, r);
        if (!s.model.has_range[r]) continue;
        s.tab.upperb[s.tab.added_col[r]] = s.model.range[r];
        s.model.upper[s.tab.added_col[r]] = s.model.range[r];
    }
    s.tab.phase = s.tab.num_artif > 0 ? 1 : 2;
    if (s.tab.phase == 2) return;
    s.tab.last_row = s.model.num_cons + 1;
    build_phase1_row(s, s.tab.a_mat);
}

} // namespace zep::detail
