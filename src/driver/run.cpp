#include "driver/run.h"

#include "driver/cmdline.h"
#include "input/matrix.h"
#include "simplex/tableau.h"
#include "stdform/stdform.h"

namespace zep {

void commandLineRun(Store& s, int argc, char** argv) {
    if (getArg(s, argc, argv) != 1) throw ProcessEnd{0};
    initParam(s);
    if (s.inputMatrix) {
        generate2(s);
    } else {
        std::fprintf(s.out, "The algebraic reader is not built yet; use option i\n");
        throw ProcessEnd{255};
    }
    setprob(s);
    tableau(s);
}

} // namespace zep
