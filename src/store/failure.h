// The one way a run ends in error, and the notes it gathers on the way.
// Every refusal and error (the input errors of each form, a full name
// table, the engine's error exit, a file that cannot be read, a bad
// option) goes through fail(): it prints the rules' own text where they
// give one and throws a Failure that says what went wrong and where. Each
// main catches it, writes the locating line on standard error and ends
// with its status; the library turns it into zep::Error.
#pragma once

#include <cstdio>
#include <string>

#include "store/store.h"

namespace zep::detail {

struct Failure {
    ErrorKind kind;
    int status;
    std::string message; // for a person: what is wrong, without the place
    Place at;
};

int statusOf(ErrorKind kind);

// Prints rules_text (already formatted; none when null) to the store's
// output, then throws the Failure.
[[noreturn]] void fail(Store& s, ErrorKind kind, Place at, const char* rules_text,
                       std::string message);

// printf-style composition of a message.
std::string format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

// Keeps a note, unless warnings are off or no one gathers them.
void warn(Store& s, NoteKind kind, Place at, std::string text);

// The compilers' form on err: "FILE:LINE:COLUMN: error: MESSAGE" for an
// error in a model file (the line or column left out where not known),
// "PROGRAM: error: MESSAGE" for one on the command line, followed there by
// where to find help.
void printFailure(const Store& s, const Failure& f, std::FILE* err);
void printNote(const Store& s, const Note& n, std::FILE* err);

// The end of a program's run: its notes, then the failure if any, on
// standard error.
void endRun(Store& s, const std::vector<Note>& notes, const Failure* failure);

} // namespace zep::detail
