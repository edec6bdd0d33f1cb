// Rigorous error bounds of the floating-point tableau's entries against
// the exact tableau of the same basis, for the ranging tables. The exact
// tableau of the final basis B is B^-1 [b A] for the model's numbers as
// written; R, the tableau's columns of the starting basis, is an
// approximate inverse. With E = I - R B and rho = ||E|| < 1 (bounded
// rigorously), the error of a tableau column x against the exact one obeys
//   |x* - x| <= |R| |r| + |E| 1 ||R r|| / (1 - rho),   r = a - B x,
// the residual taken with the rounding bound of each sum.
#pragma once

#include <cmath>

#include "check/enclosure.h"
#include "store/store.h"

namespace zep::detail {

// The closed interval x +- err, rounded outward.
inline Interval around(double x, double err) {
    if (err == 0) return {x, x};
    return {std::nextafter(x - err, -HUGE_VAL), std::nextafter(x + err, HUGE_VAL)};
}

// The error bounds of the tableau's entries: err[k][j] for rows 0 to m.
class TableauBounds {
  public:
    explicit TableauBounds(const Store& st) : s(st), m(st.model.num_cons) {}

    // Bounds E = I - R B; false where rho is not below 1/2.
    bool start();

    // Bounds of column j in rows 1 to m and in row 0 (and the phase-1 row
    // while an artificial is basic); false when they are not finite.
    bool column(int j);

    Interval entry(int k, int j) const { return around(s.tab.a_mat[k][j], err[k][j]); }

  private:
    const Store& s;
    int m;
    double r[tab_rows][tab_rows];
    int in_row[tab_rows][tab_rows];
    int in_row_count[tab_rows];
    double erow[tab_rows];
    double rho = 1;
    double err[tab_rows][tab_cols];

    bool phase1Column(int j);
};

} // namespace zep::detail
