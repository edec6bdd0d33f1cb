#include "driver/solve.h"

#include "check/verify.h"
#include "driver/answer.h"
#include "driver/cmdline.h"
#include "input/form.h"
#include "simplex/simplex.h"
#include "simplex/tableau.h"
#include "stdform/stdform.h"

namespace zep::detail {

void solve(Store& s) {
    readModel(s);
    setprob(s);
    if (s.opt.debug) tableau(s);
    simplex(s);
    checked_report(s);
}

void solveRun(Store& s, int argc, char** argv) {
    if (getArg(s, argc, argv) != 1) throw ProcessEnd{0};
    initParam(s);
    solve(s);
}

} // namespace zep::detail
