// The page's entry into zep: one zep-solve run on the editor's text, in an
// in-memory session, as `zep-solve -OPTIONS FILE` runs on a file holding
// that text. The results stay here until the next run; the page reads them
// through the calls below.
#include <emscripten/emscripten.h>

#include <cstdio>
#include <string>

#include "driver/cmdline.h"
#include "driver/session.h"
#include "driver/solve.h"
#include "input/form.h"

namespace {

struct PageRun {
    std::string report;
    int status = 0;
    int error_line = 0; // of an input error of the algebraic form, else 0
    int error_column = 0;
};

PageRun last;

} // namespace

extern "C" {

// Runs zep-solve on text as the file named file, with the option letters
// in options; returns the report it prints.
EMSCRIPTEN_KEEPALIVE const char* zep_web_solve(const char* text, const char* file,
                                               const char* options) {
    zep::detail::Session session(text);
    int status = session.run([&](zep::detail::Store& s) {
        for (const char* p = options; *p; p++) zep::detail::takeOption(s, *p);
        std::snprintf(s.file_name, sizeof s.file_name, "%s", file);
        zep::detail::banner(s);
        zep::detail::initParam(s);
        zep::detail::solve(s);
    });
    last.report = session.output();
    last.status = status < 0 ? 0 : status;
    const auto& failure = session.failure();
    last.error_line = failure ? failure->at.line : 0;
    last.error_column = failure ? failure->at.column : 0;
    return last.report.c_str();
}

// The form zep-solve reads text in: 0 algebraic, 1 matrix, 2 the CPLEX LP
// format, 3 MPS.
EMSCRIPTEN_KEEPALIVE int zep_web_form(const char* text) {
    zep::detail::Session session(text);
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

EMSCRIPTEN_KEEPALIVE int zep_web_error_line() {
    return last.error_line;
}

EMSCRIPTEN_KEEPALIVE int zep_web_error_column() {
    return last.error_column;
}

} // extern "C"
