#include "reports/added_columns.h"

namespace zep {

int artificialColumn(const Store& s, int r) {
    int g = 0;
    for (int k = 1; k < r; k++)
        if (s.tab.row_type[k] < 0) g++;
    return s.model.num_vars + r + g;
}

int addedColumn(const Store& s, int r) {
    if (s.tab.row_type[r] > 0) return s.tab.row_type[r];
    if (s.tab.row_type[r] < 0) return -s.tab.row_type[r];
    return artificialColumn(s, r);
}

} // namespace zep
