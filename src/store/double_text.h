// Doubles to text, as std::to_chars writes them. Where the C++ library has
// no floating-point to_chars (the WebAssembly build's), or ZEP_PORTABLE_NUMBERS
// asks for it, the C library's correctly rounded printf and strtod give the
// same characters.
#pragma once

#include <charconv>

namespace zep::detail {

// The portable path, built everywhere so that it is tested against
// to_chars where both exist.
namespace portable {
char* fixedText(char* first, char* last, double v, int precision);
char* generalText(char* first, char* last, double v, int precision);
// The fewest digits that read back as v: in the shorter of fixed and
// scientific notation (fixed on a tie) where form is chars_format{}, else
// in the notation form names.
char* shortestText(char* first, char* last, double v, std::chars_format form);
} // namespace portable

#ifdef ZEP_PORTABLE_NUMBERS

inline char* fixedText(char* first, char* last, double v, int precision) {
    return portable::fixedText(first, last, v, precision);
}

inline char* generalText(char* first, char* last, double v, int precision) {
    return portable::generalText(first, last, v, precision);
}

inline char* shortestText(char* first, char* last, double v, std::chars_format form = {}) {
    return portable::shortestText(first, last, v, form);
}

#else

inline char* fixedText(char* first, char* last, double v, int precision) {
    return std::to_chars(first, last, v, std::chars_format::fixed, precision).ptr;
}

inline char* generalText(char* first, char* last, double v, int precision) {
    return std::to_chars(first, last, v, std::chars_format::general, precision).ptr;
}

inline char* shortestText(char* first, char* last, double v, std::chars_format form = {}) {
    return form == std::chars_format{} ? std::to_chars(first, last, v).ptr
                                       : std::to_chars(first, last, v, form).ptr;
}

#endif

} // namespace zep::detail
