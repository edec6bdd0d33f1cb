// The name table: column names to column numbers, find-or-add.
#pragma once

#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "input/chars.h"
#include "store/store.h"

namespace zep::detail {

int findname(Store& s, const char* name);
int putname(Store& s, const char* name);
int nameNum(Store& s, const char* name);

// The name table's slots 1 to nnames by their text, for many find-or-adds in
// a row while no other code adds names: nameNum gives the column that the
// free function gives (the first slot of the name's text, or a new one).
class NameIndex {
  public:
    explicit NameIndex(const Store& s);
    int nameNum(Store& s, const char* name);

  private:
    static constexpr int place_bits = 7;
    static constexpr int places = 1 << place_bits; // over twice max_names
    // Where the text of n characters is, or the empty place to put it.
    int placeOf(const Store& s, const char* text, std::size_t n) const;
    void add(const Store& s, int k);
    std::uint8_t slot[places] = {}; // a slot number, 0 for an empty place
};

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
    static_assert(Size > 8 && std::endian::native == std::endian::little);
    // An entry can print as form only where its first 8 bytes up to form's
    // terminator are form's: one masked word compared, where most entries
    // differ, before the whole text.
    auto word = [](const char* p) {
        std::uint64_t w;
        std::memcpy(&w, p, sizeof w);
        return w;
    };
    auto taken = [&](const char* form) {
        std::size_t len = textLength(form, Size - 1);
        std::uint64_t mask = len >= 7 ? ~std::uint64_t{0} : (std::uint64_t{1} << (8 * len + 8)) - 1;
        std::uint64_t lead = word(form) & mask;
        for (int i = first; i <= last; i++)
            if ((word(table[i]) & mask) == lead && +table[i] != +out && sameText(table[i], form))
                return true;
        return false;
    };
    char form[Size] = {};
    std::memcpy(form, name, textLength(name, Size - 1));
    for (int n = 2; taken(strupr(form)); n++) {
        char suffix[Size];
        int len = std::snprintf(suffix, sizeof suffix, "~%d", n);
        std::memset(form, 0, Size);
        std::memcpy(form, name, textLength(name, static_cast<std::size_t>(Size - 1 - len)));
        std::strcat(form, suffix);
    }
    std::memcpy(out, form, Size);
}

} // namespace zep::detail
