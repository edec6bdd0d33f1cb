#include "driver/parse.h"

#include "driver/cmdline.h"
#include "input/form.h"
#include "input/grammar.h"
#include "reports/listing.h"
#include "stdform/stdform.h"

namespace zep::detail {

// Always the algebraic reader and always the listing: neither inputMatrix
// nor dispModel is consulted.
void parse(Store& s) {
    readOwnForm(s, generate3);
    setprob(s);
    showModel(s);
}

void parseRun(Store& s, int argc, char** argv) {
    refuseOption(s, argc, argv, "--fractions",
                 "lists the model as written; zep and zep-solve print fractions");
    if (getArg(s, argc, argv) != 1) throw ProcessEnd{0};
    initParam(s);
    parse(s);
}

} // namespace zep::detail
