#include "input/names.h"

#include <cstring>
#include <initializer_list>

#include "input/chars.h"

namespace zep {

// strncmp over a slot, by length first: a slot holds the name exactly when
// its first len characters are the name's and its terminator follows them.
// A name of 13 characters or more fits no slot.
int findname(Store& s, const char* name) {
    std::size_t len = strnlen(name, name_size);
    if (len == name_size) return -1;
    for (int k = 1; k <= s.nnames; k++)
        if (s.varname[k][len] == '\0' && std::memcmp(s.varname[k], name, len) == 0) return k;
    return -1;
}

int putname(Store& s, const char* name) {
    if (s.nnames >= max_names) return -1;
    s.nnames++;
    // NUL-padded to the whole slot, cut to 12 characters.
    char* slot = s.varname[s.nnames];
    std::size_t n = strnlen(name, name_size - 1);
    std::memcpy(slot, name, n);
    std::memset(slot + n, 0, name_size - n);
    return s.nnames;
}

int nameNum(Store& s) {
    int k = findname(s, s.buf);
    return k >= 0 ? k : putname(s, s.buf);
}

int addedNameClash(const Store& s) {
    char added[name_size + label_size];
    for (int r = 1; r <= s.num_cons; r++) {
        const char* first = s.row_type[r] > 0 ? "SLK:" : s.row_type[r] < 0 ? "SRP:" : "ART:";
        const char* second = s.row_type[r] < 0 ? "ART:" : nullptr;
        for (const char* prefix : {first, second}) {
            if (!prefix) continue;
            std::strcat(std::strcpy(added, prefix), s.rname[r]);
            for (int k = 1; k <= s.num_vars; k++)
                if (sameText(s.varname[k], added)) return k;
        }
    }
    return 0;
}

} // namespace zep
