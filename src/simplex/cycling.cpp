#include "simplex/cycling.h"

namespace zep::detail {

namespace {

void markBasis(const Store& s, CycleGuard& g, int span) {
    for (int j = 0; j <= s.tab.last_col; j++) g.mark[j] = s.tab.col_status[j];
    g.since_mark = 0;
    g.span = span;
}

bool atMark(const Store& s, const CycleGuard& g) {
    for (int j = 0; j <= s.tab.last_col; j++)
        if (g.mark[j] != s.tab.col_status[j]) return false;
    return true;
}

} // namespace

void guardStart(const Store& s, CycleGuard& g) {
    g.bland = false;
    g.run_obj = s.tab.a_mat[s.tab.obj_row][s.tab.rhs_col];
    markBasis(s, g, 1);
}

void guardStep(const Store& s, CycleGuard& g) {
    double obj = s.tab.a_mat[s.tab.obj_row][s.tab.rhs_col];
    if (obj != g.run_obj) {
        guardStart(s, g);
        return;
    }
    if (g.bland) return;
    g.since_mark++;
    if (atMark(s, g))
        g.bland = true;
    else if (g.since_mark == g.span)
        markBasis(s, g, 2 * g.span);
}

} // namespace zep::detail
