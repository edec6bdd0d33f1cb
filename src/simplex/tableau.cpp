#include "simplex/tableau.h"
#include "store/print.h"

namespace zep::detail {

namespace {

void rule(Store& s, int c1, int c2) {
    print(s, "\n-------");
    for (int c = c1; c <= c2; c++) print(s, "--------------");
    print(s, "\n");
}

void block(Store& s, const double (*entries)[tab_cols], int c1, int c2) {
    print(s, "\n  Name ");
    for (int c = c1; c <= c2; c++) print(s, "  %12s", s.tab.varname[c]);
    print(s, "\n   Cost");
    for (int c = c1; c <= c2; c++) print(s, "  %12.3lf", s.tab.cost[c]);
    print(s, "\n Status");
    for (int c = c1; c <= c2; c++) print(s, " %13d", s.tab.col_status[c]);
    rule(s, c1, c2);
    print(s, "Row Bas");
    for (int c = c1; c <= c2; c++) print(s, "     Column%3d", c);
    rule(s, c1, c2);
    for (int r = 0; r <= s.tab.last_row; r++) {
        print(s, "%2d  %3d", r, s.tab.basis_index[r]);
        for (int c = c1; c <= c2; c++) print(s, "  %12.3lf", entries[r][c]);
        print(s, "\n");
    }
    print(s, "\n\n");
}

} // namespace

void tableau(Store& s) {
    tableau(s, s.tab.a_mat);
}

void tableau(Store& s, const double (*entries)[tab_cols]) {
    for (int c1 = 0; c1 <= s.tab.last_col; c1 += printcols) {
        int c2 = s.tab.last_col - c1 >= printcols - 1 ? c1 + printcols - 1 : s.tab.last_col;
        block(s, entries, c1, c2);
    }
}

} // namespace zep::detail
