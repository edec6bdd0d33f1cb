#include "simplex/artificial.h"

namespace zep::detail {

bool artificialBasic(const Store& s) {
    if (s.tab.obj_row != s.tab.ph2_row) return false;
    for (int r = 1; r <= s.model.num_cons; r++)
        if (s.tab.isart[s.tab.basis_index[r]]) return true;
    return false;
}

} // namespace zep::detail
