// Tests run zep's operations in an in-memory session.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "driver/session.h"

namespace zep::testing {

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

} // namespace zep::testing
