#include "driver/run.h"

#include "driver/cmdline.h"
#include "fractions/exact_dump.h"
#include "input/form.h"
#include "input/grammar.h"
#include "input/matrix.h"
#include "simplex/tableau.h"
#include "stdform/stdform.h"

namespace zep::detail {

void commandLineRun(Store& s, int argc, char** argv) {
    refuseOption(s, argc, argv, "--svg=",
                 "prints the starting tableau and draws no picture; zep-solve --svg=FILE does");
    if (getArg(s, argc, argv) != 1) throw ProcessEnd{0};
    initParam(s);
    readOwnForm(s, s.opt.inputMatrix ? generate2 : generate3);
    setprob(s);
    if (s.opt.fractions)
        tableau(s, exact_start(s));
    else
        tableau(s);
}

} // namespace zep::detail
