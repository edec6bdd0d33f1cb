// Tableaux laid out by hand for the engine tests.
#pragma once

#include <cstdio>
#include <initializer_list>

#include "input/matrix.h"
#include "simplex/simplex.h"
#include "stdform/stdform.h"
#include "support.h"

namespace zep::detail::testing {

// A tableau laid out by hand: rows 0 to cons (and the phase-1 row when
// asked), columns 0 to cols named C1, C2, ..., phase 2, all bounds infinite.
class Tableau {
  public:
    Tableau(int cons, int cols, bool phase1 = false) {
        zep::detail::initParam(s);
        s.model.num_cons = cons;
        s.tab.last_row = phase1 ? cons + 1 : cons;
        s.tab.ph1_row = cons + 1;
        s.tab.last_col = cols;
        s.tab.obj_row = 0;
        s.tab.phase = 2;
        for (int j = 1; j <= cols; j++)
            std::snprintf(s.tab.varname[j], zep::detail::name_size, "C%d", j);
    }
    void row(int r, std::initializer_list<double> values) {
        int c = 0;
        for (double v : values) s.tab.a_mat[r][c++] = v;
    }
    void basic(int r, int col) {
        s.tab.basis_index[r] = col;
        s.tab.col_status[col] = r;
    }

    Harness h;
    Store& s = h.store();
};

// Reads a matrix-form model and runs the engine on it; the status it
// ended with, or -1.
inline int runEngine(Harness& h) {
    zep::detail::initParam(h.store());
    return h.run([](Store& s) {
        zep::detail::generate2(s);
        zep::detail::setprob(s);
        zep::detail::simplex(s);
    });
}

inline double objective(const Store& s) {
    return -s.model.z_mult * s.tab.a_mat[0][0];
}

inline double value(const Store& s, int j) {
    return s.tab.col_status[j] > 0 ? s.tab.a_mat[s.tab.col_status[j]][0] : 0;
}

} // namespace zep::detail::testing
