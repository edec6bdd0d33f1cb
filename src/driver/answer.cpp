#include "driver/answer.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
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

// The final tableau of option f: each entry the exact one of the store's
// basis (e, built here when the check did not), through its nearest
// double, so that no digit is the floating-point pivots' rounding; an
// exact zero keeps the sign of zero the floating-point tableau shows. A
// tableau from the exact re-solve is printed as it stands.
void finalTableau(Store& s, ExactTableau& e) {
    if (!s.engine.exact_tableau && e.a.empty()) e = exact_at_basis(s);
    if (s.engine.exact_tableau || !e.at_basis) {
        tableau(s);
        return;
    }
    auto entries = std::make_unique<double[][tab_cols]>(tab_rows);
    for (int r = 0; r <= s.tab.last_row; r++) {
        bool constraint = r >= 1 && r <= s.model.num_cons;
        int k = constraint ? e.status[s.tab.basis_index[r]] : r;
        for (int c = 0; c <= s.tab.last_col; c++) {
            double shown = s.tab.a_mat[r][c];
            entries[r][c] = sgn(e.a[k][c]) != 0 ? nearest_double(e.a[k][c])
                            : shown == 0        ? shown
                                                : 0.0;
        }
    }
    tableau(s, entries.get());
}

} // namespace

void checked_report(Store& s) {
    ExactTableau e;
    Proof proof = prove_outcome(s, e);
    if (s.opt.last_tableau) finalTableau(s, e);
    if (proof == Proof::float_tableau) {
        report(s);
        return;
    }
    int last_tableau = s.opt.last_tableau;
    s.opt.last_tableau = 0;
    std::string float_report = rendered(s);
    s.opt.last_tableau = last_tableau;
    std::string float_text = rendered(s);
    int float_pivots = s.engine.pivots;
    if (proof == Proof::exact_tableau) {
        store_exact_basis(s, e);
    } else {
        if (e.a.empty()) e = exact_at_basis(s);
        exact_simplex(s, e);
    }
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
