// An exact judge of the ranging tables (option r) and the final tableau
// (option f) that zep printed for its final basis. It takes the model as
// written (each number the decimal the file wrote), inverts the final
// basis by its own exact elimination and judges every printed number from
// the definitions: a cost or right-hand side may move up to the printed
// limit and the basis stays optimal (feasible) there, the named column's
// reduced cost (the named basic level) reaches zero exactly at the limit
// and turns the wrong sign beyond it, and the printed digits are those of
// the exact limit.
#pragma once

#include <gmpxx.h>

#include <string>
#include <vector>

#include "store/store.h"

namespace zep::detail::testing {

struct Judgement {
    int numbers = 0;                // printed numbers judged
    std::vector<std::string> wrong; // one line for each wrong number or line
};

// Judges output, the report of an optimal run whose store s holds the
// final basis, as far as it holds the tables of options r and f.
Judgement judgeSensitivity(const Store& s, const std::string& output);

} // namespace zep::detail::testing
