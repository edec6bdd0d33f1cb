// The values that the optimal report prints, read off the final tableau:
// one home for the reports and for the library's answer.
#pragma once

#include "store/store.h"

namespace zep::detail {

// The value of column j at the final basic solution.
double variable_value(const Store& s, int j);

// The reduced cost of column j in the model's own sense.
double reduced_cost(const Store& s, int j);

// The objective value in the model's own sense.
double objective_value(const Store& s);

// What the constraint summary shows of row r: its relation, the tag of its
// added column, the slack or surplus, and the marginal value.
struct RowSummary {
    const char* relation;
    const char* tag;
    double slack;
    double marginal;
};
RowSummary row_summary(const Store& s, int r);

} // namespace zep::detail
