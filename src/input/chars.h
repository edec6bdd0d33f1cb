// Case conversion and comparison shared by the readers and the command line.
#pragma once

#include <cstddef>

namespace zep::detail {

// strnlen's answer, inline: the names measured on every lookup are a few
// characters long, shorter than the call.
inline std::size_t textLength(const char* s, std::size_t max) {
    std::size_t n = 0;
    while (n < max && s[n] != '\0') n++;
    return n;
}

// Only plain ASCII letters change; bytes above 127 are negative as signed
// characters and pass through untouched. Inline: name lookups compare
// through these character by character.
inline int Toupper(char c) {
    auto v = static_cast<signed char>(c);
    if (v >= 'a' && v <= 'z') return v - 'a' + 'A';
    return v;
}

inline int Tolower(char c) {
    auto v = static_cast<signed char>(c);
    if (v >= 'A' && v <= 'Z') return v - 'A' + 'a';
    return v;
}

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
