#include "simplex/cycling.h"

#include <cstring>

namespace zep::detail {

namespace {

// The statuses of columns 0 to last_col as bytes: equal ints have equal
// bytes.
std::size_t basisBytes(const Store& s) {
    return static_cast<std::size_t>(s.tab.last_col + 1) * sizeof s.tab.col_status[0];
}

void markBasis(const Store& s, CycleGuard& g, int span) {
    std::memcpy(g.mark, s.tab.col_status, basisBytes(s));
    g.since_mark = 0;
    g.span = span;
}

bool atMark(const Store& s, const CycleGuard& g) {
    return std::memcmp(g.mark, s.tab.col_status, basisBytes(s)) == 0;
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
