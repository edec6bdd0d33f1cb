// The name table: column names to column numbers, find-or-add.
#pragma once

#include <cstdio>
#include <cstring>

#include "input/chars.h"
#include "store/store.h"

namespace zep::detail {

int findname(Store& s, const char* name);
int putname(Store& s, const char* name);
int nameNum(Store& s, const char* name);

// A variable may not take the name that the standard form gives a column it
// adds (SLK:, SRP: or ART: and a row's label), or names and column numbers
// would part ways: the first variable of the model as read that does, or 0.
int addedNameClash(const Store& s);

// The printed form of a name written whole, in a field of Size - 1
// characters: upper-cased and cut to the field; where another entry of
// table[first..last] already prints so, its end gives way to "~2", "~3", ...,
// the first that no other entry prints as. out is an entry of the table or
// outside it.
template <int Size>
void printedForm(char (&out)[Size], const char* name, const char (*table)[Size], int first,
                 int last) {
    auto taken = [&](const char* form) {
        for (int i = first; i <= last; i++)
            if (+table[i] != +out && sameText(table[i], form)) return true;
        return false;
    };
    char form[Size] = {};
    std::memcpy(form, name, strnlen(name, Size - 1));
    for (int n = 2; taken(strupr(form)); n++) {
        char suffix[Size];
        int len = std::snprintf(suffix, sizeof suffix, "~%d", n);
        std::memset(form, 0, Size);
        std::memcpy(form, name, strnlen(name, static_cast<std::size_t>(Size - 1 - len)));
        std::strcat(form, suffix);
    }
    std::memcpy(out, form, Size);
}

} // namespace zep::detail
