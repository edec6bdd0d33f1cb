#include "driver/cmdline.h"

#include <sys/stat.h>

#include <cstring>

#include "input/chars.h"
#include "reports/title.h"

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

int getArg(Store& s, int argc, char** argv) {
    if (argc <= 1) {
        help(s);
        return 0;
    }
    const char* name = "";
    for (int k = 1; k < argc; k++) {
        if (std::strcmp(argv[k], "--help") == 0) {
            help(s);
            return 0;
        }
        if (std::strcmp(argv[k], "--version") == 0) {
            version(s);
            return 0;
        }
        if (std::strcmp(argv[k], "--fractions") == 0) {
            s.opt.fractions = 1;
            continue;
        }
        if (std::strncmp(argv[k], "--svg=", 6) == 0) {
            s.opt.picture = 1;
            s.opt.svg_file = argv[k] + 6;
            continue;
        }
        if (argv[k][0] == '-') {
            for (const char* p = argv[k] + 1; *p; p++) takeOption(s, *p);
        } else {
            name = argv[k];
        }
    }
    // file_name holds the name for the "Processing" line; a longer name
    // would not fit, so it is refused rather than cut to another file's name.
    if (std::strlen(name) >= sizeof s.file_name) {
        std::fprintf(s.out, "Data file name longer than %d characters\n",
                     static_cast<int>(sizeof s.file_name) - 1);
        return 0;
    }
    std::strcpy(s.file_name, name);
    // A directory opens for reading but yields no text; it is no model file.
    // (stat rather than std::filesystem, whose library code and start-up
    // work would more than double what a static program maps and runs.)
    struct stat st;
    bool readable = s.file_name[0] && !(stat(s.file_name, &st) == 0 && S_ISDIR(st.st_mode));
    s.luin = readable ? std::fopen(s.file_name, "r") : nullptr;
    if (!s.luin) {
        std::fprintf(s.out, "Data file %s not found\n", s.file_name);
        return 0;
    }
    banner(s);
    return 1;
}

void banner(Store& s) {
    ctitle(s, "*** ZEP - LINEAR PROGRAMMING ***", 70);
}

} // namespace zep::detail
