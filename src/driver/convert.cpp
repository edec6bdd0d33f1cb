#include "driver/convert.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "driver/cmdline.h"
#include "input/form.h"
#include "reports/model_writer.h"
#include "store/failure.h"

namespace zep::detail {

namespace {

void convertHelp(std::FILE* out) {
    std::fprintf(out, "Usage: zep-convert --to=FORM filename\n"
                      "Reads a model in any of zep's forms (algebraic, matrix, CPLEX LP or MPS)\n"
                      "and writes it to standard output in FORM: lp, mps, matrix or algebraic.\n"
                      "  --to FORM      the same as --to=FORM\n"
                      "  --help         print this text and end\n"
                      "  --version      print the version and end\n"
                      "  --no-warnings  print no warnings on standard error\n"
                      "Exit status: 0 written, 1 a command line or model file that cannot be\n"
                      "used, 2 more columns than zep holds, 255 a model that cannot be read or\n"
                      "that FORM cannot hold.\n"
                      "Manual: man zep-convert\n");
}

struct FormName {
    const char* name;
    ModelForm form;
};
constexpr FormName form_names[] = {{"lp", ModelForm::lp},
                                   {"mps", ModelForm::mps},
                                   {"matrix", ModelForm::matrix},
                                   {"algebraic", ModelForm::algebraic}};

[[noreturn]] void misuse(Store& s, const char* fmt, const char* arg) {
    fail(s, ErrorKind::command_line, {}, nullptr, format(fmt, arg));
}

} // namespace

void convertRun(Store& s, int argc, char** argv, std::FILE* messages) {
    const char* file = nullptr;
    const ModelForm* to = nullptr;
    for (int k = 1; k < argc; k++) {
        const char* arg = argv[k];
        if (std::strcmp(arg, "--help") == 0) {
            convertHelp(s.out);
            throw ProcessEnd{0};
        }
        if (std::strcmp(arg, "--version") == 0) {
            version(s);
            throw ProcessEnd{0};
        }
        if (std::strncmp(arg, "--to=", 5) == 0 || std::strcmp(arg, "--to") == 0) {
            // The form may follow in the same word or, after a blank, in the next.
            const char* name = arg[4] == '=' ? arg + 5 : k + 1 < argc ? argv[++k] : nullptr;
            if (!name) misuse(s, "%s--to needs a form (lp, mps, matrix or algebraic)", "");
            to = nullptr;
            for (const FormName& f : form_names)
                if (std::strcmp(name, f.name) == 0) to = &f.form;
            if (!to) misuse(s, "unknown form '%s' (lp, mps, matrix or algebraic)", name);
        } else if (std::strcmp(arg, "--no-warnings") == 0) {
            s.diag.warnings = 0;
        } else if (arg[0] == '-') {
            misuse(s, "unknown option '%s'", arg);
        } else if (file) {
            misuse(s, "more than one file name ('%s')", arg);
        } else {
            file = arg;
        }
    }
    if (!to) misuse(s, "%sthe form to write is missing (--to=FORM)", "");
    if (!file) misuse(s, "%sthe model file is missing", "");
    if (std::strlen(file) >= sizeof s.file_name) misuse(s, "the file name %s is too long", file);

    std::error_code ec;
    if (std::filesystem::is_directory(file, ec))
        fail(s, ErrorKind::file, {}, nullptr, format("%s is a directory, not a model file", file));
    s.luin = std::fopen(file, "r");
    if (!s.luin)
        fail(s, ErrorKind::file, {}, nullptr,
             format("cannot open %s: %s", file, std::strerror(errno)));
    std::strcpy(s.file_name, file);
    std::strcpy(s.diag.file, file);
    std::FILE* model_out = s.out;
    s.out = messages;
    s.opt.echo = 0;
    initParam(s);
    readModel(s);
    char why[2 * long_name_size];
    if (!writable(s, *to, why, sizeof why)) fail(s, ErrorKind::model, {}, nullptr, why);
    s.out = model_out;
    writeModel(s, *to);
}

} // namespace zep::detail
