// The page's entry into zep: one zep-solve run on the editor's text, in an
// in-memory session, as `zep-solve -OPTIONS [--fractions] FILE` runs on a
// file holding that text, with the picture that `--svg=FILE` would write.
// The results stay here until the next run; the page reads them through
// the calls below.
#include <emscripten/emscripten.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "driver/cmdline.h"
#include "driver/session.h"
#include "driver/solve.h"
#include "input/form.h"
#include "picture/svg.h"
#include "store/failure.h"

namespace {

struct PageRun {
    std::string report;
    int status = 0;
    int error_line = 0; // of an input error, where its form names one, else 0
    int error_column = 0;
    std::string picture;      // the SVG text, or empty
    std::string picture_note; // why there is no picture, where there is none
    std::string diagnostics;  // what zep-solve writes on standard error
};

PageRun last;

// The warnings, then the error's place and message, as zep-solve writes
// them on standard error when its run ends.
std::string diagnostics(zep::detail::Session& session) {
    char* text = nullptr;
    std::size_t size = 0;
    std::FILE* err = open_memstream(&text, &size);
    if (!err) return {};
    for (const zep::Note& n : session.notes()) zep::detail::printNote(session.store(), n, err);
    if (session.failure()) zep::detail::printFailure(session.store(), *session.failure(), err);
    std::fclose(err);
    std::string result(text, size);
    std::free(text);
    return result;
}

} // namespace

extern "C" {

// Runs zep-solve on the size bytes at text as the file named file, with
// the option letters in options and --fractions where fractions is not 0;
// returns the report it prints, zep_web_report_size bytes long. Text and
// report go by size, not to a NUL: a NUL byte is part of the model as the
// file holds it, and the algebraic form's echo prints it back. The picture
// is drawn whenever the run reaches an outcome.
EMSCRIPTEN_KEEPALIVE const char* zep_web_solve(const char* text, int size, const char* file,
                                               const char* options, int fractions) {
    zep::detail::Session session(std::string_view(text, size));
    last.picture.clear();
    last.picture_note.clear();
    int status = session.run([&](zep::detail::Store& s) {
        for (const char* p = options; *p; p++) zep::detail::takeOption(s, *p);
        s.opt.fractions = fractions != 0;
        s.opt.picture = 1;
        std::snprintf(s.diag.program, sizeof s.diag.program, "zep-solve");
        zep::detail::takeFileName(s, file);
        std::strcpy(s.diag.file, s.file_name);
        zep::detail::banner(s);
        zep::detail::initParam(s);
        std::vector<zep::detail::Step> steps = zep::detail::solve(s);
        last.picture = zep::detail::model_picture(s, steps, last.picture_note);
    });
    last.report = session.output();
    last.status = status < 0 ? 0 : status;
    const auto& failure = session.failure();
    last.error_line = failure ? failure->at.line : 0;
    last.error_column = failure ? failure->at.column : 0;
    last.diagnostics = diagnostics(session);
    return last.report.c_str();
}

EMSCRIPTEN_KEEPALIVE int zep_web_report_size() {
    return static_cast<int>(last.report.size());
}

// The form zep-solve reads the size bytes at text in: 0 algebraic, 1
// matrix, 2 the CPLEX LP format, 3 MPS.
EMSCRIPTEN_KEEPALIVE int zep_web_form(const char* text, int size) {
    zep::detail::Session session(std::string_view(text, size));
    zep::detail::ModelForm form = zep::detail::ModelForm::algebraic;
    session.run([&](zep::detail::Store& s) { form = zep::detail::modelForm(s); });
    switch (form) {
    case zep::detail::ModelForm::matrix:
        return 1;
    case zep::detail::ModelForm::lp:
        return 2;
    case zep::detail::ModelForm::mps:
        return 3;
    case zep::detail::ModelForm::algebraic:
        break;
    }
    return 0;
}

EMSCRIPTEN_KEEPALIVE int zep_web_status() {
    return last.status;
}

EMSCRIPTEN_KEEPALIVE const char* zep_web_diagnostics() {
    return last.diagnostics.c_str();
}

EMSCRIPTEN_KEEPALIVE int zep_web_error_line() {
    return last.error_line;
}

EMSCRIPTEN_KEEPALIVE int zep_web_error_column() {
    return last.error_column;
}

// The last run's picture: the SVG text, or empty with the reason in
// zep_web_picture_note.
EMSCRIPTEN_KEEPALIVE const char* zep_web_picture() {
    return last.picture.c_str();
}

EMSCRIPTEN_KEEPALIVE const char* zep_web_picture_note() {
    return last.picture_note.c_str();
}

} // extern "C"
