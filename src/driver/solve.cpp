#include "driver/solve.h"

#include "driver/cmdline.h"
#include "input/form.h"
#include "reports/solution.h"
#include "simplex/simplex.h"
#include "simplex/tableau.h"
#include "simplex/verify.h"
#include "stdform/stdform.h"

namespace zep {

void solve(Store& s) {
    readModel(s);
    keep_model(s);
    setprob(s);
    if (s.debug) tableau(s);
    simplex(s);
    verify(s);
    if (s.end_stat == 1)
        out_opt(s);
    else if (s.end_stat == 2)
        out_infe(s);
    else
        out_unbnd(s);
}

void solveRun(Store& s, int argc, char** argv) {
    if (getArg(s, argc, argv) != 1) throw ProcessEnd{0};
    initParam(s);
    solve(s);
}

} // namespace zep
