#include "fractions/replay.h"

#include <cstdlib>

#include "check/verify.h"
#include "fractions/exact_dump.h"
#include "reports/solution.h"
#include "simplex/simplex.h"
#include "simplex/steps.h"
#include "store/print.h"

namespace zep::detail {

namespace {

bool hasUpper(const Store& s, int j) {
    return s.model.upper[j] != s.tol.infinity;
}

// How far column j may rise above its lower bound, where it has an upper
// one.
mpq_class width(const Store& s, int j) {
    return written(s.model.upper[j]) - written(s.model.lower[j]);
}

bool basicValuesHold(const Store& s, const ExactTableau& e, bool phase2) {
    for (int r = 1; r <= s.model.num_cons; r++) {
        const mpq_class& value = e.a[r][s.tab.rhs_col];
        int sign = sgn(value);
        if (sign < 0 || (phase2 && sign > 0 && s.tab.isart[e.basis[r]])) return false;
        if (hasUpper(s, e.basis[r]) && value > width(s, e.basis[r])) return false;
    }
    return true;
}

// No column that may enter improves objective row obj: none at its lower
// bound with a negative entry, none at its upper one with a positive one.
bool pricedOut(const Store& s, const ExactTableau& e, int obj) {
    for (int j = 1; j <= s.tab.last_col; j++) {
        if (s.tab.isart[j]) continue;
        if (e.status[j] == 0 && sgn(e.a[obj][j]) < 0) return false;
        if (e.status[j] == -1 && sgn(e.a[obj][j]) > 0) return false;
    }
    return true;
}

bool artificialAboveZero(const Store& s, const ExactTableau& e) {
    for (int r = 1; r <= s.model.num_cons; r++)
        if (s.tab.isart[e.basis[r]] && sgn(e.a[r][s.tab.rhs_col]) > 0) return true;
    return false;
}

// Column q rises from its lower bound without one, and no basic column
// meets a bound: none falls to zero, none with an upper bound rises.
bool rayHolds(const Store& s, const ExactTableau& e, int q) {
    if (e.status[q] != 0 || hasUpper(s, q) || sgn(e.a[0][q]) >= 0) return false;
    for (int r = 1; r <= s.model.num_cons; r++) {
        int a = sgn(e.a[r][q]);
        if (a > 0 || (a < 0 && hasUpper(s, e.basis[r]))) return false;
    }
    return true;
}

// The simplex run with its own trace off: the replay prints it.
struct Silenced {
    Store& s;
    Store::Switches shown;
    explicit Silenced(Store& st) : s(st), shown(st.opt) {
        s.opt.debug = s.opt.show_exchanges = s.opt.last_tableau = 0;
    }
    ~Silenced() { s.opt = shown; }
    Silenced(const Silenced&) = delete;
    Silenced& operator=(const Silenced&) = delete;
};

// The trace of a run through the given steps, in the order the simplex
// prints its own: solve's dump of the start, then for each phase its
// heading, its first tableau, a progress line before every pricing, each
// exchange and the tableau after it; the final tableau last.
void printRun(Store& s, const std::vector<Step>& steps, bool phase2) {
    ExactTableau e = exact_start(s);
    if (s.opt.debug) tableau(s, e);
    std::size_t k = 0;
    auto phase = [&](int p, const char* heading) {
        if (s.opt.show_exchanges) print(s, "%s", heading);
        if (s.opt.debug) tableau(s, e);
        for (; k < steps.size() && steps[k].phase == p; k++) {
            const Step& step = steps[k];
            if (s.opt.debug) prt_stat(s, e, static_cast<int>(k));
            int leaving = e.basis[static_cast<std::size_t>(std::abs(step.row))];
            if (s.opt.show_exchanges && step.row != 0)
                print(s, "%s leaves and %s enters solution\n",
                      s.tab.isart[leaving] ? "ARTIFICIAL" : s.tab.varname[leaving],
                      s.tab.varname[std::abs(step.col)]);
            exact_step(s, e, step);
            if (s.opt.debug) tableau(s, e);
        }
        if (s.opt.debug) prt_stat(s, e, static_cast<int>(k));
    };
    if (s.tab.num_artif > 0) phase(1, "BEGIN PHASE 1\n");
    if (phase2) phase(2, "BEGIN PHASE 2\n");
    if (s.opt.last_tableau) tableau(s, e);
}

void report(Store& s, const ExactTableau& e) {
    switch (s.engine.end_stat) {
    case Outcome::optimal:
        out_opt(s, e);
        break;
    case Outcome::infeasible:
        out_infe(s, e);
        break;
    case Outcome::unbounded:
        out_unbnd(s);
        break;
    }
}

} // namespace

Replay replay(const Store& s, const std::vector<Step>& steps) {
    Replay r{exact_start(s), 0};
    for (std::size_t k = 0; k < steps.size(); k++) {
        const Step& step = steps[k];
        auto row = static_cast<std::size_t>(std::abs(step.row));
        auto col = static_cast<std::size_t>(std::abs(step.col));
        if (step.row != 0 && sgn(r.last.a[row][col]) == 0) {
            r.zero_step = static_cast<int>(k) + 1;
            return r;
        }
        exact_step(s, r.last, step);
    }
    return r;
}

bool exactly_final(const Store& s, const ExactTableau& e) {
    bool phase2 = s.tab.phase == 2;
    if (!basicValuesHold(s, e, phase2)) return false;
    switch (s.engine.end_stat) {
    case Outcome::optimal:
        return phase2 && pricedOut(s, e, s.tab.ph2_row);
    case Outcome::infeasible:
        return pricedOut(s, e, s.tab.ph1_row) && artificialAboveZero(s, e);
    case Outcome::unbounded:
        return phase2 && rayHolds(s, e, s.engine.piv_col);
    }
    return false;
}

std::vector<Step> solve_fractions(Store& s) {
    std::vector<Step> steps;
    {
        Silenced silenced(s);
        steps = recorded_simplex(s);
    }
    Replay r = replay(s, steps);
    // The outcome proven by the check, from the floating-point tableau or
    // the exact one of its basis (a model with bounds always the latter).
    ExactTableau checked;
    bool holds = prove_outcome(s, checked) != Proof::none;
    if (r.zero_step == 0 && holds && exactly_final(s, r.last)) {
        printRun(s, steps, s.tab.phase == 2);
        report(s, r.last);
        return steps;
    }
    if (r.zero_step != 0)
        print(s,
              "Step %d pivots on an entry that is 0 in exact arithmetic; solved again in exact "
              "arithmetic\n",
              r.zero_step);
    else if (!holds)
        print(s, "%s\n", exact_note);
    else
        print(s, "The last basis of the run does not hold in exact arithmetic; solved again in "
                 "exact arithmetic\n");
    ExactTableau e;
    exact_simplex(s, e);
    s.engine.exact_tableau = 1;
    printRun(s, e.steps, s.tab.phase == 2);
    report(s, e);
    return steps;
}

} // namespace zep::detail
