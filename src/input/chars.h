// Case conversion and comparison shared by the readers and the command line.
#pragma once

namespace zep {

int Toupper(char c);
int Tolower(char c);
char* strupr(char* s);
int strnicmp(const char* a, const char* b, int n);

} // namespace zep
