// The limits of cost and right-hand-side ranging of the final basis: what
// the sensitivity tables print and the library's answer holds. Each limit
// is the exact one, or a floating-point one whose rigorous bound shows that
// it prints the exact one's digits with the same column.
#pragma once

#include <vector>

#include "check/exact.h"
#include "store/store.h"

namespace zep::detail {

// One end of a range: the limit and the column that enters or leaves the
// basis there, or column 0 where the range has no end on that side. The
// limit is exact; value is the double nearest to it.
struct Limit {
    double value;
    int column;
};

// given is false on a line that the tables' terms cannot state: a ranged
// row holds two right-hand sides, and the table moves one.
struct RangeLine {
    const char* name;
    double current;
    Limit upper;
    Limit lower;
    bool given = true;
};

// Every line of both tables.
struct Ranging {
    std::vector<RangeLine> cost; // variables 1 to num_vars
    std::vector<RangeLine> rhs;  // rows 1 to num_cons
};

// The same in exact arithmetic, as the rules find them and the tables
// print them in fractions.
struct ExactLimit {
    mpq_class value;
    int column = 0;
};

struct ExactRangeLine {
    ExactLimit upper;
    ExactLimit lower;
    bool given = true;
};

struct ExactRanging {
    std::vector<ExactRangeLine> cost;
    std::vector<ExactRangeLine> rhs;
};

// The tables of the store's final basis: from its floating-point tableau
// where the bounds decide every limit, its column and its printed digits,
// else from the exact tableau: exact where given (the exact tableau of the
// store's basis, so that it need not be built again), else built here.
Ranging final_ranging(const Store& s, const ExactTableau* exact = nullptr);

// The tables from the exact tableau e, each limit the double nearest to
// the exact one.
Ranging exact_ranging(const Store& s, const ExactTableau& e);

// The tables' exact limits from the exact tableau e of the store's basis.
ExactRanging exact_limits(const Store& s, const ExactTableau& e);

// The tables from the store's floating-point tableau, each entry within
// its rigorous bound of the exact tableau of the same basis; false where
// the bounds leave a limit, its column or its printed digits open.
bool float_ranging(const Store& s, Ranging& out);

// The exact tableau of the store's final basis, which ranging reads: the
// model brought to that basis by exact pivots, or, where those columns
// are singular in exact arithmetic, the store's tableau taken as it stands.
ExactTableau ranging_tableau(const Store& s);

// The range of variable v's cost over which the basis of e stays optimal.
ExactRangeLine cost_range(const Store& s, const ExactTableau& e, int v);
ExactRangeLine basic_cost_range(const Store& s, const ExactTableau& e, int v);
ExactRangeLine nonbasic_cost_range(const Store& s, const ExactTableau& e, int v);

// The range of row i's right-hand side over which the basis of e stays
// feasible.
ExactRangeLine rhs_range(const Store& s, const ExactTableau& e, int i);

// Right-hand-side ranging of a row whose added column j is basic, in row
// k of e.
ExactRangeLine basic_added_range(const Store& s, const ExactTableau& e, int i, int j, int k);

// Both tables of a model with bounds, free variables or ranged rows, for
// the model as written (ranging_bounded.cpp).
ExactRanging bounded_limits(const Store& s, const ExactTableau& e);

// Column j is held at zero by an artificial left basic: it neither
// enters nor limits.
bool never_enters(const Store& s, const ExactTableau& e, int j);

// The variable as written that column j stands for: a free variable's
// negative part stands for its variable.
int written_column(const Store& s, int j);

// Variable v as written is basic: its column, or a free variable's
// negative part.
bool basic_in_model(const Store& s, int v);

} // namespace zep::detail
