// Case conversion and comparison shared by the readers and the command line.
#pragma once

namespace zep::detail {

int Toupper(char c);
int Tolower(char c);
char* strupr(char* s);
int strnicmp(const char* a, const char* b, int n);

// Whether two names are the same text: strcmp's answer, without the call,
// since names differ within their first few characters.
inline bool sameText(const char* a, const char* b) {
    for (; *a == *b; a++, b++)
        if (*a == '\0') return true;
    return false;
}

} // namespace zep::detail
