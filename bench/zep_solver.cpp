#include <cmath>
#include <cstdio>

#include "driver/solve.h"
#include "input/matrix.h"
#include "simplex/simplex.h"
#include "solvers.h"
#include "stdform/stdform.h"

namespace zep::bench {

namespace {

// A fresh store as the command line leaves it, reading from the text.
std::unique_ptr<Store> openStore(const std::string& text, FILE* out) {
    auto s = std::make_unique<Store>();
    s->out = out;
    // In mode "r" fmemopen only reads the buffer.
    s->luin = fmemopen(const_cast<char*>(text.data()), text.size(), "r");
    std::snprintf(s->buf, sizeof s->buf, "%s", "bench.mat");
    initParam(*s);
    return s;
}

template <class Op> std::unique_ptr<Store> runOn(const std::string& text, FILE* out, Op op) {
    auto s = openStore(text, out);
    try {
        op(*s);
    } catch (const ProcessEnd&) {
        s->engine.end_stat = 0; // ended before an outcome
    }
    std::fclose(s->luin);
    s->luin = nullptr;
    return s;
}

} // namespace

std::unique_ptr<Store> zepSolve(const std::string& text, FILE* out) {
    return runOn(text, out, [](Store& s) { solve(s); });
}

std::unique_ptr<Store> zepRead(const std::string& text, FILE* out) {
    return runOn(text, out, generate2);
}

void zepEngine(Store& s) {
    setprob(s);
    simplex(s);
}

double zepObjective(const Store& s) {
    return s.engine.end_stat == 1 ? -s.model.z_mult * s.tab.a_mat[0][0] : std::nan("");
}

} // namespace zep::bench
