#include "input/names.h"

#include <cstring>
#include <initializer_list>

#include "input/chars.h"

namespace zep::detail {

int findname(Store& s, const char* name) {
    // A slot holds its terminator within its 13 characters, so a name of
    // 13 or more is in none. A slot holds the name where it has the name's
    // terminator at the name's length and its characters before: the
    // terminator's place first, then from the end, since the added
    // columns' names (SLK:R1, SLK:R2, ...) differ there. A shorter slot's
    // terminator differs from the name's character at its place.
    std::size_t n = textLength(name, name_size);
    if (n == name_size) return -1;
    for (int k = 1; k <= s.tab.nnames; k++) {
        const char* slot = s.tab.varname[k];
        if (slot[n] != '\0') continue;
        std::size_t i = n;
        while (i > 0 && slot[i - 1] == name[i - 1]) i--;
        if (i == 0) return k;
    }
    return -1;
}

int putname(Store& s, const char* name) {
    if (s.tab.nnames >= max_names) return -1;
    s.tab.nnames++;
    // NUL-padded to the whole slot, cut to 12 characters.
    char* slot = s.tab.varname[s.tab.nnames];
    std::size_t n = textLength(name, name_size - 1);
    std::memcpy(slot, name, n);
    std::memset(slot + n, 0, name_size - n);
    return s.tab.nnames;
}

int nameNum(Store& s, const char* name) {
    int k = findname(s, name);
    return k >= 0 ? k : putname(s, name);
}

NameIndex::NameIndex(const Store& s) {
    for (int k = 1; k <= s.tab.nnames; k++) add(s, k);
}

int NameIndex::placeOf(const Store& s, const char* text, std::size_t n) const {
    std::uint32_t h = 0;
    for (std::size_t i = 0; i < n; i++) h = (h ^ static_cast<unsigned char>(text[i])) * 0x01000193u;
    // Linear probing, never full: a slot put in later than another of the
    // same text stands further on, so the first one found is findname's.
    // The top bits of a Fibonacci hash: names that differ in one character
    // land apart.
    int at = static_cast<int>((h * 0x9E3779B1u) >> (32 - place_bits));
    for (;; at = (at + 1) & (places - 1)) {
        const char* kept = s.tab.varname[slot[at]];
        if (!slot[at] || (kept[n] == '\0' && sameText(kept, text))) return at;
    }
}

void NameIndex::add(const Store& s, int k) {
    // A slot without its terminator matches no name findname takes.
    const char* text = s.tab.varname[k];
    std::size_t n = textLength(text, name_size);
    if (n == name_size) return;
    int at = placeOf(s, text, n);
    if (!slot[at]) slot[at] = static_cast<std::uint8_t>(k);
}

int NameIndex::nameNum(Store& s, const char* name) {
    // A name of 13 or more characters is in no slot (see findname); its
    // new slot holds it cut.
    std::size_t n = textLength(name, name_size);
    if (n == name_size) {
        int k = putname(s, name);
        if (k > 0) add(s, k);
        return k;
    }
    int at = placeOf(s, name, n);
    if (slot[at]) return slot[at];
    // The new slot holds the name whole: its place is the one found empty.
    int k = putname(s, name);
    if (k > 0) slot[at] = static_cast<std::uint8_t>(k);
    return k;
}

int addedNameClash(const Store& s) {
    // Only a name that starts as an added column's can clash; most models
    // have none, and then no row need be looked at.
    auto addedForm = [](const char* name) {
        for (const char* prefix : {"SLK:", "SRP:", "ART:"})
            if (std::strncmp(name, prefix, 4) == 0) return true;
        return false;
    };
    bool any = false;
    for (int k = 1; k <= s.model.num_vars && !any; k++) any = addedForm(s.tab.varname[k]);
    if (!any) return 0;
    char added[name_size + label_size];
    for (int r = 1; r <= s.model.num_cons; r++) {
        const char* first = s.tab.row_type[r] > 0   ? "SLK:"
                            : s.tab.row_type[r] < 0 ? "SRP:"
                                                    : "ART:";
        const char* second = s.tab.row_type[r] < 0 ? "ART:" : nullptr;
        for (const char* prefix : {first, second}) {
            if (!prefix) continue;
            std::strcat(std::strcpy(added, prefix), s.model.rname[r]);
            for (int k = 1; k <= s.model.num_vars; k++)
                if (sameText(s.tab.varname[k], added)) return k;
        }
    }
    return 0;
}

} // namespace zep::detail
