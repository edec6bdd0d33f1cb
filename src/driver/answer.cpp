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

// exact, where given, is the exact tableau of the store's basis.
void report(Store& s, const ExactTableau* exact = nullptr) {
    switch (s.engine.end_stat) {
    case Outcome::optimal:
        out_opt(s, exact);
        break;
    case Outcome::infeasible:
        out_infe(s);
        break;
    case Outcome::unbounded:
        out_unbnd(s);
        break;
    }
}

// What a printing step would write to the store's stream; empty where no
// memory stream could be opened.
template <class Print> std::string rendered(Store& s, Print print) {
    std::FILE* out = s.out;
    char* text = nullptr;
    std::size_t size = 0;
    s.out = open_memstream(&text, &size);
    if (s.out == nullptr) {
        s.out = out;
        return {};
    }
    print(s);
    std::fclose(s.out);
    s.out = out;
    std::string result(text, size);
    std::free(text);
    return result;
}

std::string renderedTableau(Store& s) {
    if (!s.opt.last_tableau) return {};
    return rendered(s, [](Store& t) { tableau(t); });
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
    // Each answer is rendered once (the ranging in it is the costly part):
    // the floating-point one before the exact re-solve, the exact one with
    // the floating-point iteration count for the comparison, and printed
    // from that text where the counts agree.
    std::string float_tableau = renderedTableau(s);
    // The check's exact tableau, where it built one, is that of this basis.
    const ExactTableau* float_exact = e.at_basis ? &e : nullptr;
    std::string float_report = rendered(s, [&](Store& t) { report(t, float_exact); });
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
    std::string exact_tableau = renderedTableau(s);
    // The exact tableau's basis is the store's now where it was stored.
    const ExactTableau* exact = proof == Proof::exact_tableau ? float_exact : nullptr;
    std::string exact_report = rendered(s, [&](Store& t) { report(t, exact); });
    s.engine.pivots = exact_pivots;
    bool rendered_all = !float_report.empty() && (!s.opt.last_tableau || !float_tableau.empty());
    if (rendered_all && exact_report == float_report && exact_tableau == float_tableau) {
        std::fputs(float_report.c_str(), s.out);
        return;
    }
    std::fprintf(s.out, "%s\n", exact_note);
    if (s.opt.last_tableau) tableau(s);
    if (!exact_report.empty() && exact_pivots == float_pivots)
        std::fputs(exact_report.c_str(), s.out);
    else
        report(s, exact);
}

} // namespace zep::detail
