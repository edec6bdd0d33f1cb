#include "simplex/tableau.h"

namespace zep {

namespace {

void rule(Store& s, int c1, int c2) {
    std::fprintf(s.out, "\n-------");
    for (int c = c1; c <= c2; c++) std::fprintf(s.out, "--------------");
    std::fprintf(s.out, "\n");
}

void block(Store& s, int c1, int c2) {
    std::fprintf(s.out, "\n  Name ");
    for (int c = c1; c <= c2; c++) std::fprintf(s.out, "  %12s", s.tab.varname[c]);
    std::fprintf(s.out, "\n   Cost");
    for (int c = c1; c <= c2; c++) std::fprintf(s.out, "  %12.3lf", s.tab.cost[c]);
    std::fprintf(s.out, "\n Status");
    for (int c = c1; c <= c2; c++) std::fprintf(s.out, " %13d", s.tab.col_status[c]);
    rule(s, c1, c2);
    std::fprintf(s.out, "Row Bas");
    for (int c = c1; c <= c2; c++) std::fprintf(s.out, "     Column%3d", c);
    rule(s, c1, c2);
    for (int r = 0; r <= s.tab.last_row; r++) {
        std::fprintf(s.out, "%2d  %3d", r, s.tab.basis_index[r]);
        for (int c = c1; c <= c2; c++) std::fprintf(s.out, "  %12.3lf", s.tab.a_mat[r][c]);
        std::fprintf(s.out, "\n");
    }
    std::fprintf(s.out, "\n\n");
}

} // namespace

void tableau(Store& s) {
    for (int c1 = 0; c1 <= s.tab.last_col; c1 += printcols) {
        int c2 = s.tab.last_col - c1 >= printcols - 1 ? c1 + printcols - 1 : s.tab.last_col;
        block(s, c1, c2);
    }
}

} // namespace zep
