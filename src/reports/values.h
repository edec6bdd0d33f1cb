// The values that the optimal report prints, read off the final tableau:
// one home for the reports and for the library's answer, in floating point
// from the store's tableau or exactly from a rational one.
#pragma once

#include "check/enclosure.h"
#include "check/exact.h"
#include "store/store.h"

namespace zep::detail {

// How the summaries print each value: a variable's value, its reduced
// cost, a row's slack or surplus and its marginal value, the objective.
// Below its threshold a value, reduced cost or marginal prints as a point,
// as does a slack of exactly zero.
inline constexpr char value_format[] = "%16.4lf";
inline constexpr char reduced_cost_format[] = "%13.3lf";
inline constexpr char row_format[] = "%15.3lf";
inline constexpr char objective_format[] = "%lg";
inline constexpr double marginal_zero = 0.0001;

// The value of column j at the final basic solution.
double variable_value(const Store& s, int j);
mpq_class variable_value(const Store& s, const ExactTableau& e, int j);

// The value of variable j as written: a free variable's two columns
// folded into one.
double written_value(const Store& s, int j);
mpq_class written_value(const Store& s, const ExactTableau& e, int j);

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

// Row r is one that an infeasible outcome's report lists: its artificial
// is basic above zero (above eps_infe in a floating-point tableau; an exact
// one lists every artificial above zero, none of them rounding noise).
bool row_unmet(const Store& s, int r);

// Whether every value that the summaries print from the tableau prints the
// same as every value in b's bounds on the exact one, point or digits: the
// objective, each variable's value and reduced cost, each row's slack and
// marginal value.
bool summaries_print_exactly(const Store& s, const BasisBounds& b);

} // namespace zep::detail
