#include <cmath>
#include <cstdio>

#include "driver/session.h"
#include "driver/solve.h"
#include "input/matrix.h"
#include "simplex/simplex.h"
#include "solvers.h"
#include "stdform/stdform.h"

namespace zep::detail::bench {

namespace {

// A session on the text that writes its reports to out, run as the
// command line leaves a store.
template <class Op> std::unique_ptr<Session> runOn(const std::string& text, FILE* out, Op op) {
    auto run = std::make_unique<Session>(text, out);
    std::snprintf(run->store().file_name, sizeof run->store().file_name, "%s", "bench.mat");
    initParam(run->store());
    run->run(op);
    return run;
}

} // namespace

std::unique_ptr<Session> zepSolve(const std::string& text, FILE* out) {
    return runOn(text, out, [](Store& s) { solve(s); });
}

std::unique_ptr<Session> zepRead(const std::string& text, FILE* out) {
    return runOn(text, out, generate2);
}

void zepEngine(Store& s) {
    setprob(s);
    simplex(s);
}

double zepObjective(const Session& run) {
    const Store& s = run.store();
    bool optimal = !run.failure() && s.engine.end_stat == Outcome::optimal;
    return optimal ? -s.model.z_mult * s.tab.a_mat[0][0] : std::nan("");
}

} // namespace zep::detail::bench
