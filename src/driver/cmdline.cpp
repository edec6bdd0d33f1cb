#include "driver/cmdline.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <utility>

#include "input/chars.h"
#include "reports/title.h"
#include "store/failure.h"

namespace zep::detail {

void help(Store& s) {
    std::fprintf(s.out,
                 "           Z E P -- Linear Programming\n"
                 "Program usage: \t\tzep filename\n"
                 "where 'filename' is a file containing the following LP model description:\n"
                 "   1.  'MIN' or 'MAX' for type of optimization.\n"
                 "   2.  A row label for the objective function.\n"
                 "   3.  A linear expression for the objective function\n"
                 "   4.  Up to %d constraints of the form:\n"
                 "\t  Row label   Linear expression    Relation   Non-negative constant\n"
                 "where: Label or variable name p 1-%d letters and digits, beginning with letter\n"
                 "       Label p a name, followed by a ')'  [e.g.  ROW1) ]\n"
                 "       Linear expression p linear sum of variables multiplied by constants\n"
                 "\t  [e.g., 2X - 13.5ALPHA+ZETA].  The model may use up to %d variables.\n"
                 "       Relation p the characters '<=', '>=', or '='\n"
                 "Model description is free-form.  Names may not contain blanks.\n"
                 "\n"
                 "User options can be invoked using the form:\tzep -options filename\n"
                 "where 'options' is a string of one or more of the following characters\n"
                 "\tr = display Ranging reports\n"
                 "\tf = display Final simplex tableau\n"
                 "\te = do not Echo input data\n"
                 "\ti = Input model in matrix format, rather than above algebraic format\n"
                 "\tm = do not display LP Model\n"
                 "\tx = display variables eXchanged at each iteration\n",
                 max_cons, 8, max_names);
}

void version(Store& s) {
    std::fprintf(s.out, "zep %s\n", ZEP_VERSION);
}

void takeOption(Store& s, char letter) {
    switch (Tolower(letter)) {
    case 'e':
        s.opt.echo = !s.opt.echo;
        break;
    case 'f':
        s.opt.last_tableau = 1;
        break;
    case 'i':
        s.opt.inputMatrix = 1;
        break;
    case 'm':
        s.opt.dispModel = !s.opt.dispModel;
        break;
    case 'r':
        s.opt.show_range = 1;
        break;
    case 't':
        s.opt.debug = 1;
        break;
    case 'x':
        s.opt.show_exchanges = 1;
        break;
    default:
        std::fprintf(s.out, "Unknown option '%c'\n", letter);
        break;
    }
}

namespace {

// What --help says of each program beyond what they share.
struct ProgramHelp {
    const char* name;
    const char* synopsis;
    const char* does;
    const char* forms;
};
constexpr ProgramHelp program_help[] = {
    {"zep", "zep [-OPTIONS] FILE",
     "Reads a linear program and prints its starting simplex tableau.",
     "the algebraic form; the matrix form with option i"},
    {"zep-solve", "zep-solve [-OPTIONS] FILE",
     "Reads a linear program, solves it with the two-phase simplex and prints\n"
     "the optimal solution, or the infeasibility or unbounded report.",
     "algebraic, matrix, CPLEX LP and MPS, told apart by their own marks"},
    {"zep-parse", "zep-parse [-OPTIONS] FILE",
     "Reads an algebraic model, checks it and lists it back in algebraic notation.",
     "the algebraic form"},
};

const ProgramHelp& helpOf(const char* program) {
    for (const ProgramHelp& h : program_help)
        if (std::strcmp(h.name, program) == 0) return h;
    return program_help[0];
}

void longHelp(Store& s) {
    const ProgramHelp& h = helpOf(s.diag.program);
    std::fprintf(s.out,
                 "Usage: %s\n"
                 "       %s --help | --version\n"
                 "%s\n"
                 "Forms read: %s.\n"
                 "\n"
                 "Option letters, in any case, in one or more groups after a '-', before or\n"
                 "after FILE:\n"
                 "  e  toggle the echo of algebraic model text (on at start)\n"
                 "  f  print the final simplex tableau (zep-solve)\n"
                 "  i  read the matrix form instead of the algebraic form (zep)\n"
                 "  m  toggled; changes no output\n"
                 "  r  print the cost and right-hand-side ranging reports (zep-solve)\n"
                 "  t  trace: the tableau and a progress line at every step (zep-solve)\n"
                 "  x  print the phase headings and each basis exchange (zep-solve)\n"
                 "\n"
                 "Long options:\n"
                 "  --help         print this text and end\n"
                 "  --version      print the version and end\n"
                 "  --no-warnings  print no warnings on standard error\n"
                 "  --fractions    tableaux and report values as exact fractions (zep, zep-solve)\n"
                 "  --svg=FILE     write the picture of a model with two variables (zep-solve)\n"
                 "\n"
                 "Exit status: 0 answered (an infeasible or unbounded model is answered too),\n"
                 "1 a command line or model file that cannot be used, 2 more columns than\n"
                 "the %d the store holds, 255 an input error or an engine failure.\n"
                 "\n"
                 "Without arguments the usage text of the model form is printed.\n"
                 "Manual: man %s\n",
                 h.synopsis, h.name, h.does, h.forms, max_names, h.name);
}

// A word that starts with "--" is one long option, never a group of
// letters.
void longOption(Store& s, const char* word) {
    if (std::strcmp(word, "--help") == 0) {
        longHelp(s);
        throw ProcessEnd{0};
    }
    if (std::strcmp(word, "--version") == 0) {
        version(s);
        throw ProcessEnd{0};
    }
    if (std::strcmp(word, "--no-warnings") == 0) {
        s.diag.warnings = 0;
        return;
    }
    if (std::strcmp(word, "--fractions") == 0) {
        s.opt.fractions = 1;
        return;
    }
    if (std::strncmp(word, "--svg=", 6) == 0) {
        s.opt.picture = 1;
        s.opt.svg_file = word + 6;
        return;
    }
    fail(s, ErrorKind::command_line, {}, nullptr, format("unknown option '%s'", word));
}

[[noreturn]] void notFound(Store& s, std::string why) {
    fail(s, ErrorKind::file, {}, format("Data file %s not found\n", s.file_name).c_str(),
         std::move(why));
}

} // namespace

void refuseOption(Store& s, int argc, char** argv, const char* option, const char* why_not) {
    std::size_t n = std::strlen(option);
    bool prefix = option[n - 1] == '=';
    for (int k = 1; k < argc; k++) {
        if (std::strncmp(argv[k], option, n) != 0 || (!prefix && argv[k][n] != '\0')) continue;
        fail(s, ErrorKind::command_line, {}, nullptr,
             format("option '%s' is not for %s: %s %s", argv[k], s.diag.program, s.diag.program,
                    why_not));
    }
}

void takeFileName(Store& s, const char* name) {
    // file_name holds the name for the "Processing" line; a longer name
    // would not fit, so it is refused rather than cut to another file's name.
    if (std::strlen(name) >= sizeof s.file_name) {
        std::string why = format("the file name is longer than %d characters",
                                 static_cast<int>(sizeof s.file_name) - 1);
        fail(s, ErrorKind::file, {},
             format("Data file name longer than %d characters\n",
                    static_cast<int>(sizeof s.file_name) - 1)
                 .c_str(),
             why);
    }
    std::strcpy(s.file_name, name);
}

int getArg(Store& s, int argc, char** argv) {
    if (argc <= 1) {
        help(s);
        return 0;
    }
    const char* name = "";
    for (int k = 1; k < argc; k++) {
        if (std::strncmp(argv[k], "--", 2) == 0) {
            longOption(s, argv[k]);
        } else if (argv[k][0] == '-') {
            for (const char* p = argv[k] + 1; *p; p++) takeOption(s, *p);
        } else {
            name = argv[k];
        }
    }
    takeFileName(s, name);
    if (!s.file_name[0]) notFound(s, "no model file named on the command line");
    // A directory opens for reading but yields no text; it is no model file.
    // (stat rather than std::filesystem, whose library code and start-up
    // work would more than double what a static program maps and runs.)
    struct stat st;
    if (stat(s.file_name, &st) == 0 && S_ISDIR(st.st_mode))
        notFound(s, format("%s is a directory, not a model file", s.file_name));
    s.luin = std::fopen(s.file_name, "r");
    if (!s.luin) notFound(s, format("cannot open %s: %s", s.file_name, std::strerror(errno)));
    std::strcpy(s.diag.file, s.file_name);
    banner(s);
    return 1;
}

void banner(Store& s) {
    ctitle(s, "*** ZEP - LINEAR PROGRAMMING ***", 70);
}

} // namespace zep::detail
