// The bounds of the LP format and MPS: each variable's bounds as written,
// and the columns the engine works on, which the readers lay out from them.
#pragma once

#include "input/named_model.h"

namespace zep::detail {

// One side of a bound as a line writes it; values of 1e30 and beyond in
// magnitude are infinite, as both formats take them.
void setLower(Store& s, NamedModel& m, int k, double v);
void setUpper(Store& s, NamedModel& m, int k, double v);
void setFixed(Store& s, NamedModel& m, int k, double v);
void setFree(Store& s, NamedModel& m, int k);

// Row r holds between its right-hand side and that side moved by width
// against its relation.
void setRange(Store& s, int r, double width);

// A ranged row starts feasible only from the end that its variables at
// their lower bounds leave on the right side of zero: it is written ">="
// its lower end when that end is above zero, else "<=" its upper end.
void orientRange(Store& s, int r);

// Every free variable becomes the difference of its own column and a new
// one at the end, named after it with a '-' in front: x = x+ - x-, where
// x+ is fixed at an upper bound u that the variable has (x = u - x-), else
// at least 0.
void splitFree(Store& s, NamedModel& m);

// The engine's bounds: each column shifted by its lower bound (lowerb) and
// its upper bound as the width above it (upperb).
void engineBounds(Store& s);

// Row r's right-hand side with every column at its lower bound; the
// objective row's (r = 0) is minus its constant with those columns.
double shiftedRhs(const Store& s, int r);

// Whether the shifted right-hand side of row r is below zero, exactly for
// the model's numbers as written.
bool shiftedNegative(const Store& s, int r);

} // namespace zep::detail
