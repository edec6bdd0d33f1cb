// The name table's lookup against its slots: names that are prefixes of
// one another, names of a slot's whole 12 characters and longer, and slots
// whose bytes after their terminator are left over from a longer name. The
// index of the table and the printed forms' screening against the plain
// scans they stand for, on random names.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <random>
#include <string>

#include "input/chars.h"
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

// Names from a few characters, so that they repeat, differ only in case,
// are prefixes of one another, and run to 12 characters and past them.
std::string randomName(std::mt19937& rng) {
    static const char letters[] = "aAbB:1~";
    std::string name(std::uniform_int_distribution<>(0, 15)(rng) > 12 ? 13 : rng() % 5, 'x');
    for (char& c : name) c = letters[rng() % (sizeof letters - 1)];
    return name;
}

TEST(Names, IndexFindsAndAddsAsTheTableScan) {
    const unsigned seed = 20;
    std::printf("seed %u\n", seed);
    std::mt19937 rng(seed);
    for (int round = 0; round < 300; round++) {
        zep::detail::testing::Harness scanned, indexed;
        zep::detail::Store& a = scanned.store();
        zep::detail::Store& b = indexed.store();
        // Slots already there, some with bytes left over after their end.
        for (int k = 0, n = static_cast<int>(rng() % 8); k < n; k++) {
            std::string name = randomName(rng);
            putname(a, name.c_str());
            putname(b, name.c_str());
            if (rng() % 3 == 0 && name.size() < 10) {
                std::memcpy(a.tab.varname[a.tab.nnames] + name.size() + 1, "AB", 2);
                std::memcpy(b.tab.varname[b.tab.nnames] + name.size() + 1, "AB", 2);
            }
        }
        zep::detail::NameIndex index(b);
        for (int i = 0; i < 60; i++) {
            std::string name = randomName(rng);
            ASSERT_EQ(index.nameNum(b, name.c_str()), zep::detail::nameNum(a, name.c_str()))
                << "round " << round << " name " << name;
        }
        ASSERT_EQ(a.tab.nnames, b.tab.nnames);
        ASSERT_EQ(std::memcmp(a.tab.varname, b.tab.varname, sizeof a.tab.varname), 0);
    }
}

// The printed form with every entry compared whole, as the screening must
// answer.
template <int Size>
void plainPrintedForm(char (&out)[Size], const char* name, const char (*table)[Size], int first,
                      int last) {
    auto taken = [&](const char* form) {
        for (int i = first; i <= last; i++)
            if (+table[i] != +out && std::strcmp(table[i], form) == 0) return true;
        return false;
    };
    char form[Size] = {};
    std::memcpy(form, name, strnlen(name, Size - 1));
    for (int n = 2; taken(zep::detail::strupr(form)); n++) {
        std::memset(form, 0, Size);
        std::string suffix = "~" + std::to_string(n);
        std::memcpy(form, name, strnlen(name, Size - 1 - suffix.size()));
        std::strcat(form, suffix.c_str());
    }
    std::memcpy(out, form, Size);
}

template <int Size> void checkPrintedForms(std::mt19937& rng) {
    for (int round = 0; round < 3000; round++) {
        // Entries upper-cased as printed forms are, with bytes left over
        // after their ends, which take no part.
        char table[8][Size];
        int last = static_cast<int>(rng() % 8);
        for (int i = 0; i <= last; i++) {
            std::memset(table[i], 'Q', Size);
            std::string entry = randomName(rng).substr(0, Size - 1);
            for (char& c : entry) c = static_cast<char>(zep::detail::Toupper(c));
            std::memcpy(table[i], entry.c_str(), entry.size() + 1);
        }
        std::string name = randomName(rng);
        int at = static_cast<int>(rng() % 9); // 8: outside the table
        char plain[Size], screened[Size], kept[Size];
        std::memcpy(kept, table[at % 8], Size);
        char(*out)[Size] = at < 8 ? &table[at] : &plain;
        plainPrintedForm(*out, name.c_str(), table, 0, last);
        std::memcpy(plain, *out, Size);
        std::memcpy(table[at % 8], kept, Size);
        out = at < 8 ? &table[at] : &screened;
        zep::detail::printedForm(*out, name.c_str(), table, 0, last);
        ASSERT_EQ(std::memcmp(plain, *out, Size), 0) << "round " << round << " name " << name;
    }
}

TEST(Names, PrintedFormScreeningAnswersAsTheWholeComparison) {
    const unsigned seed = 22;
    std::printf("seed %u\n", seed);
    std::mt19937 rng(seed);
    checkPrintedForms<9>(rng);
    checkPrintedForms<13>(rng);
}

} // namespace
