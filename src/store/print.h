// Formatted output to the store's output stream, byte for byte what the C
// library's printf would write, without its cost: the conversions zep
// prints with (%d, %s, %c, %f and %g of doubles, with "-", width and
// precision) go through std::to_chars, whose digits are printf's
// correctly rounded ones; any other format is handed to vsnprintf whole.
// A format is parsed once and its parse kept by its address, so a format
// must be text that never changes while the program runs: a string literal,
// or a pointer to one.
#pragma once

#include <cstdarg>
#include <cstddef>

#include "store/store.h"

namespace zep::detail {

// Writes the formatted text to s.out, as fprintf(s.out, fmt, ...) does.
void print(Store& s, const char* fmt, ...) __attribute__((format(printf, 2, 3)));

// Composes into out as snprintf does: at most cap - 1 characters and a
// terminator; returns the length of the whole text.
int compose(char* out, std::size_t cap, const char* fmt, ...) __attribute__((format(printf, 3, 4)));
int vcompose(char* out, std::size_t cap, const char* fmt, va_list ap);

} // namespace zep::detail
