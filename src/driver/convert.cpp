#include "driver/convert.h"

#include <cstring>
#include <filesystem>
#include <system_error>

#include "driver/cmdline.h"
#include "input/form.h"
#include "reports/model_writer.h"

namespace zep::detail {

namespace {

constexpr int status_usage = 1;

void convertHelp(std::FILE* out) {
    std::fprintf(out, "Usage: zep-convert --to=FORM filename\n"
                      "Reads a model in any of zep's forms (algebraic, matrix, CPLEX LP or MPS)\n"
                      "and writes it to standard output in FORM: lp, mps, matrix or algebraic.\n"
                      "  --help      print this text and end\n"
                      "  --version   print the version and end\n");
}

struct FormName {
    const char* name;
    ModelForm form;
};
constexpr FormName form_names[] = {{"lp", ModelForm::lp},
                                   {"mps", ModelForm::mps},
                                   {"matrix", ModelForm::matrix},
                                   {"algebraic", ModelForm::algebraic}};

[[noreturn]] void misuse(std::FILE* messages, const char* fmt, const char* arg) {
    std::fprintf(messages, "zep-convert: ");
    std::fprintf(messages, fmt, arg);
    std::fprintf(messages, "\nTry 'zep-convert --help'.\n");
    throw ProcessEnd{status_usage};
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
        if (std::strncmp(arg, "--to=", 5) == 0) {
            to = nullptr;
            for (const FormName& f : form_names)
                if (std::strcmp(arg + 5, f.name) == 0) to = &f.form;
            if (!to) misuse(messages, "unknown form '%s' (lp, mps, matrix or algebraic)", arg + 5);
        } else if (arg[0] == '-') {
            misuse(messages, "unknown option '%s'", arg);
        } else if (file) {
            misuse(messages, "more than one file name ('%s')", arg);
        } else {
            file = arg;
        }
    }
    if (!to) misuse(messages, "%sthe form to write is missing (--to=FORM)", "");
    if (!file) misuse(messages, "%sthe model file is missing", "");
    if (std::strlen(file) >= sizeof s.file_name)
        misuse(messages, "the file name %s is too long", file);

    std::error_code ec;
    s.luin = std::filesystem::is_directory(file, ec) ? nullptr : std::fopen(file, "r");
    if (!s.luin) {
        std::fprintf(messages, "Data file %s not found\n", file);
        throw ProcessEnd{status_usage};
    }
    std::strcpy(s.file_name, file);
    std::FILE* model_out = s.out;
    s.out = messages;
    s.opt.echo = 0;
    initParam(s);
    readModel(s);
    char why[160];
    if (!writable(s, *to, why, sizeof why)) {
        std::fprintf(messages, "zep-convert: %s\n", why);
        throw ProcessEnd{255};
    }
    s.out = model_out;
    writeModel(s, *to);
}

} // namespace zep::detail
