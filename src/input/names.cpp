#include "input/names.h"

#include <cstring>

namespace zep {

namespace {

// strncmp over a whole slot, inline: the names differ within their first
// few characters, sooner than a library call returns.
bool sameName(const char* a, const char* b) {
    for (int i = 0; i < name_size; i++) {
        if (a[i] != b[i]) return false;
        if (a[i] == '\0') return true;
    }
    return true;
}

} // namespace

int findname(Store& s, const char* name) {
    for (int k = 1; k <= s.nnames; k++)
        if (sameName(s.varname[k], name)) return k;
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

} // namespace zep
