// Drives one model reader on a fuzzer's bytes, then the standard form and
// the tableau dump, as the command-line run does. An input that ends the
// process arrives here as ProcessEnd or Failure, which the session catches.
#pragma once

#include <cstdint>
#include <string_view>

#include "driver/session.h"
#include "simplex/tableau.h"
#include "stdform/stdform.h"

namespace zep::detail::fuzz {

inline void runReader(const std::uint8_t* data, std::size_t size, void (*reader)(Store&)) {
    Session run(std::string_view(reinterpret_cast<const char*>(data), size));
    run.run([reader](Store& s) {
        initParam(s);
        reader(s);
        setprob(s);
        tableau(s);
    });
}

} // namespace zep::detail::fuzz
