#include "store/failure.h"

#include <cstdarg>
#include <utility>

namespace zep::detail {

int statusOf(ErrorKind kind) {
    switch (kind) {
    case ErrorKind::command_line:
    case ErrorKind::file:
        return 1;
    case ErrorKind::capacity:
        return 2;
    default:
        return 255;
    }
}

void fail(Store& s, ErrorKind kind, Place at, const char* rules_text, std::string message) {
    if (rules_text) std::fputs(rules_text, s.out);
    throw Failure{kind, statusOf(kind), std::move(message), at};
}

std::string format(const char* fmt, ...) {
    va_list ap;
    va_start(ap, fmt);
    va_list again;
    va_copy(again, ap);
    int n = std::vsnprintf(nullptr, 0, fmt, ap);
    va_end(ap);
    std::string text(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
    std::vsnprintf(text.data(), text.size() + 1, fmt, again);
    va_end(again);
    return text;
}

void warn(Store& s, NoteKind kind, Place at, std::string text) {
    if (s.diag.notes && s.diag.warnings)
        s.diag.notes->push_back({kind, at.line, at.column, std::move(text)});
}

namespace {

void located(const Store& s, Place at, const char* what, const std::string& text, std::FILE* err) {
    const char* file = s.diag.file[0] ? s.diag.file : s.diag.program;
    if (at.line > 0 && at.column > 0)
        std::fprintf(err, "%s:%d:%d: %s: %s\n", file, at.line, at.column, what, text.c_str());
    else if (at.line > 0)
        std::fprintf(err, "%s:%d: %s: %s\n", file, at.line, what, text.c_str());
    else
        std::fprintf(err, "%s: %s: %s\n", file, what, text.c_str());
}

} // namespace

void printFailure(const Store& s, const Failure& f, std::FILE* err) {
    if (f.kind == ErrorKind::command_line || f.kind == ErrorKind::file) {
        std::fprintf(err, "%s: error: %s\n", s.diag.program, f.message.c_str());
        if (f.kind == ErrorKind::command_line)
            std::fprintf(err, "Try '%s --help'.\n", s.diag.program);
        return;
    }
    located(s, f.at, "error", f.message, err);
}

void printNote(const Store& s, const Note& n, std::FILE* err) {
    located(s, {n.line, n.column}, "warning", n.text, err);
}

void endRun(Store& s, const std::vector<Note>& notes, const Failure* failure) {
    std::fflush(s.out);
    for (const Note& n : notes) printNote(s, n, stderr);
    if (failure) printFailure(s, *failure, stderr);
    std::fflush(stderr);
}

} // namespace zep::detail
