// The two-phase simplex again, in exact rational arithmetic, for a model on
// which the floating-point rules gave an answer that failed its check.
#pragma once

#include <gmpxx.h>

#include <vector>

#include "simplex/steps.h"
#include "store/store.h"

namespace zep::detail {

// The number as the model file wrote it: the shortest decimal that reads
// back as the same double. So 0.1 is 1/10, not the binary fraction nearest
// to it, and rows that agree in decimal agree exactly. The check and the
// re-solve both take the model's numbers this way; each double lies within
// half a unit in its last place of the decimal.
mpq_class written(double v);

// A rational tableau laid out as the store's: rows 0 to last_row, columns
// 0 to last_col, the model as read in the columns that setprob laid out.
struct ExactTableau {
    std::vector<std::vector<mpq_class>> a;
    std::vector<int> basis;  // basic column of each constraint row
    std::vector<int> status; // row of each basic column, 0 for a nonbasic one
    int pivots = 0;          // steps of the exact rules
    bool at_basis = false;   // holds the basis of the store's tableau
    std::vector<Step> steps; // the pivots of exact_simplex's phases, in order
};

// The model as read, brought by exact pivots to the basis of the store's
// tableau (the same columns, in whatever rows their entries allow); at_basis
// is false when those columns are singular in exact arithmetic.
ExactTableau exact_at_basis(const Store& s);

// Puts the exact tableau of the store's own basis (exact_at_basis) in the
// store as the nearest doubles, as the re-solve leaves its own; the
// outcome, the steps and the entering column stay.
void store_exact_basis(Store& s, const ExactTableau& e);

// The store's tableau as it stands, each double taken as the exact
// rational it is, with the store's basis.
ExactTableau exact_of_doubles(const Store& s);

// The double nearest to q, ties to even; a value that is not zero keeps
// its sign however small, so that every test against zero reads q's sign.
double nearest_double(const mpq_class& q);

// Solves the model with exact comparisons, no flush and the
// smallest-subscript rule, starting from e where it holds a basis that is
// feasible in exact arithmetic (for phase 1, with its artificials) and from
// the starting basis of the standard form otherwise. Leaves the final
// tableau in the store as the nearest doubles (a value that is not zero
// stays non-zero), with basis_index, col_status, end_stat, pivots, piv_col
// and phase set as simplex sets them, so that every report reads it
// unchanged. From the store's basis, pivots counts the floating-point steps
// and the exact ones together.
void exact_simplex(Store& s, ExactTableau& e);

// The same, from the store's current basis.
void exact_simplex(Store& s);

// The starting tableau of the standard form, in the model's numbers as
// written.
ExactTableau exact_start(const Store& s);

// One exact Gauss-Jordan pivot on (row, col), the basis following it.
void exact_pivot(ExactTableau& e, int row, int col);

// One logged step of a run with bounded columns (see Step): a bound flip,
// or an exchange from and to either bound.
void exact_step(const Store& s, ExactTableau& e, const Step& step);

} // namespace zep::detail
