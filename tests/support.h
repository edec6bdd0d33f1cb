// Tests run zep's operations in an in-memory session.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "driver/session.h"
#include "driver/solve.h"

namespace zep::detail::testing {

using Harness = Session;

// Names each case of a parameterised test after its parameter's name
// field, with every character that a test name cannot hold made '_'.
struct ByName {
    template <class T> std::string operator()(const ::testing::TestParamInfo<T>& info) const {
        std::string name = info.param.name;
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
        return name;
    }
};

// The output and exit status of solve on a model text, as zep-solve runs
// it on a file of that name with the option letters among r, f, t and x.
inline std::string solveText(const std::string& text, const char* file, const char* options) {
    Harness h(text);
    Store& s = h.store();
    std::snprintf(s.file_name, sizeof s.file_name, "%s", file);
    for (const char* o = options; *o; o++) {
        if (*o == 'r') s.opt.show_range = 1;
        if (*o == 'f') s.opt.last_tableau = 1;
        if (*o == 't') s.opt.debug = 1;
        if (*o == 'x') s.opt.show_exchanges = 1;
    }
    initParam(s);
    int status = h.run([](Store& st) { solve(st); });
    return h.output() + "status " + std::to_string(status) + "\n";
}

} // namespace zep::detail::testing
