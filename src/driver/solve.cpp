#include "driver/solve.h"

#include <cstdio>
#include <string>

#include "check/verify.h"
#include "driver/answer.h"
#include "driver/cmdline.h"
#include "fractions/replay.h"
#include "input/form.h"
#include "picture/svg.h"
#include "simplex/simplex.h"
#include "simplex/tableau.h"
#include "stdform/stdform.h"

namespace zep::detail {

namespace {

// The picture goes to its file; why there is none, or why it could not be
// written, to standard error.
void writePicture(Store& s, const std::vector<Step>& steps) {
    std::string why_not;
    std::string svg = model_picture(s, steps, why_not);
    if (svg.empty()) {
        std::fprintf(stderr, "zep-solve: note: no picture written to %s: %s\n", s.opt.svg_file,
                     why_not.c_str());
        return;
    }
    std::FILE* file = std::fopen(s.opt.svg_file, "w");
    bool written = file && std::fputs(svg.c_str(), file) >= 0;
    if (file && std::fclose(file) != 0) written = false;
    if (!written) {
        std::fprintf(stderr, "zep-solve: error: cannot write the picture to %s\n", s.opt.svg_file);
        throw ProcessEnd{1};
    }
}

} // namespace

std::vector<Step> solve(Store& s) {
    readModel(s);
    return solve_read(s);
}

std::vector<Step> solve_read(Store& s) {
    setprob(s);
    if (s.opt.fractions && !s.opt.numbers_only) return solve_fractions(s);
    if (s.opt.debug && !s.opt.numbers_only) tableau(s);
    std::vector<Step> steps;
    if (s.opt.picture)
        steps = recorded_simplex(s);
    else
        simplex(s);
    if (s.opt.numbers_only)
        checked_outcome(s);
    else
        checked_report(s);
    return steps;
}

void solveRun(Store& s, int argc, char** argv) {
    if (getArg(s, argc, argv) != 1) throw ProcessEnd{0};
    initParam(s);
    std::vector<Step> steps = solve(s);
    if (s.opt.svg_file) writePicture(s, steps);
}

} // namespace zep::detail
