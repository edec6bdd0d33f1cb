// A rational number as the fractions reports print it: in lowest terms,
// an integer without a denominator ("-4/3", "7", "0").
#pragma once

#include <gmpxx.h>

#include <string>

namespace zep::detail {

inline std::string fraction(const mpq_class& q) {
    return q.get_str();
}

} // namespace zep::detail
