// The values that the optimal report prints, read off the final tableau:
// one home for the reports and for the library's answer, in floating point
// from the store's tableau or exactly from a rational one.
#pragma once

#include "check/exact.h"
#include "store/store.h"

namespace zep {

// The value of column j at the final basic solution.
double variable_value(const Store& s, int j);
mpq_class variable_value(const Store& s, const ExactTableau& e, int j);

// The reduced cost of column j in the model's own sense.
double reduced_cost(const Store& s, int j);
mpq_class reduced_cost(const Store& s, const ExactTableau& e, int j);

// The objective value in the model's own sense.
double objective_value(const Store& s);
mpq_class objective_value(const Store& s, const ExactTableau& e);

// What the constraint summary shows of row r: its relation, the tag of its
// added column, the slack or surplus, and the marginal value.
template <class Number> struct RowSummaryOf {
    const char* relation;
    const char* tag;
    Number slack;
    Number marginal;
};
using RowSummary = RowSummaryOf<double>;
RowSummary row_summary(const Store& s, int r);
RowSummaryOf<mpq_class> row_summary(const Store& s, const ExactTableau& e, int r);

} // namespace zep
