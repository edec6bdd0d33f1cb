#include "driver/answer.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "check/verify.h"
#include "reports/solution.h"
#include "simplex/tableau.h"

namespace zep::detail {

namespace {

void report(Store& s) {
    if (s.engine.end_stat == 1)
        out_opt(s);
    else if (s.engine.end_stat == 2)
        out_infe(s);
    else
        out_unbnd(s);
}

// What the final tableau (with option f) and the report would print.
std::string rendered(Store& s) {
    std::FILE* out = s.out;
    char* text = nullptr;
    std::size_t size = 0;
    s.out = open_memstream(&text, &size);
    if (s.out == nullptr) {
        s.out = out;
        return {};
    }
    if (s.opt.last_tableau) tableau(s);
    report(s);
    std::fclose(s.out);
    s.out = out;
    std::string result(text, size);
    std::free(text);
    return result;
}

} // namespace

void checked_report(Store& s) {
    ExactTableau e;
    if (outcome_holds(s, e)) {
        report(s);
        return;
    }
    int last_tableau = s.opt.last_tableau;
    s.opt.last_tableau = 0;
    std::string float_report = rendered(s);
    s.opt.last_tableau = last_tableau;
    std::string float_text = rendered(s);
    int float_pivots = s.engine.pivots;
    if (e.a.empty()) e = exact_at_basis(s);
    exact_simplex(s, e);
    s.engine.exact_tableau = 1;
    int exact_pivots = s.engine.pivots;
    s.engine.pivots = float_pivots;
    bool same = !float_text.empty() && rendered(s) == float_text;
    s.engine.pivots = exact_pivots;
    if (same) {
        std::fputs(float_report.c_str(), s.out);
        return;
    }
    std::fprintf(s.out, "%s\n", exact_note);
    if (s.opt.last_tableau) tableau(s);
    report(s);
}

} // namespace zep::detail
