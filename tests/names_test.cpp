// The name table's lookup against its slots: names that are prefixes of
// one another, names of a slot's whole 12 characters and longer, and slots
// whose bytes after their terminator are left over from a longer name.
#include <gtest/gtest.h>

#include <cstring>

#include "input/names.h"
#include "support.h"

namespace {

using zep::detail::findname;
using zep::detail::putname;

TEST(Names, FindsEachNameByItsWholeText) {
    zep::detail::testing::Harness h;
    zep::detail::Store& s = h.store();
    for (const char* name : {"X1", "X10", "SLK:R1", "SLK:R10", "ABCDEFGHIJKL"}) putname(s, name);
    struct Lookup {
        const char* name;
        int column;
    };
    const Lookup lookups[] = {
        {"X1", 1},           {"X10", 2}, {"SLK:R1", 3},         {"SLK:R10", 4},
        {"ABCDEFGHIJKL", 5}, {"X", -1},  {"X100", -1},          {"SLK:R2", -1},
        {"SLK:R", -1},       {"x1", -1}, {"ABCDEFGHIJKLM", -1}, {"", -1},
    };
    for (const Lookup& l : lookups) EXPECT_EQ(findname(s, l.name), l.column) << l.name;
}

TEST(Names, ReadsNoSlotPastItsTerminator) {
    zep::detail::testing::Harness h;
    zep::detail::Store& s = h.store();
    putname(s, "AB");
    putname(s, "A");
    // Left over from longer names: "AB" then "D", and "A", a terminator, "B".
    std::memcpy(s.tab.varname[1], "AB\0D", 4);
    std::memcpy(s.tab.varname[2], "A\0B\0", 4);
    EXPECT_EQ(findname(s, "AB"), 1);
    EXPECT_EQ(findname(s, "ABD"), -1);
    EXPECT_EQ(findname(s, "A"), 2);
    EXPECT_EQ(findname(s, "AXB"), -1);
}

} // namespace
