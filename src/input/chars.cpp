#include "input/chars.h"

namespace zep::detail {

char* strupr(char* s) {
    for (char* p = s; *p; p++) *p = static_cast<char>(Toupper(*p));
    return s;
}

// Compares exactly n positions; a NUL ends the comparison only by
// differing from the other string's character.
int strnicmp(const char* a, const char* b, int n) {
    for (int i = 0; i < n; i++) {
        int d = Toupper(a[i]) - Toupper(b[i]);
        if (d != 0) return d;
    }
    return 0;
}

} // namespace zep::detail
