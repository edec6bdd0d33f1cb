// How often an answer needs exact arithmetic beyond the floating-point
// bounds, and how often the report carries the marking line, on model
// files and on random models of a fixed seed:
//
//   zep_exact_share [--write DIR] [--random COUNT SEED] [FILE...]
//
// The random models are of two families: shaped like the corpus
// (tests/mat_model.h: whole numbers, rows laid around a point, often
// degenerate) and ordinary two-decimal data (tests/random_model.h).
// Each optimum is proven by the first of: the interval bounds of the final
// basis; its exact solution by rational reconstruction (integer
// arithmetic); the exact tableau of the basis (rational pivots); else the
// exact re-solve. The ranging tables (option r) come from the bounds or
// from the exact tableau. The marking line is looked for in the whole
// report, without and with option r.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "check/reconstruct.h"
#include "check/verify.h"
#include "driver/session.h"
#include "driver/solve.h"
#include "input/form.h"
#include "mat_model.h"
#include "random_model.h"
#include "reports/ranging.h"
#include "reports/values.h"
#include "simplex/simplex.h"
#include "stdform/stdform.h"

namespace {

using namespace zep::detail;

struct Tally {
    int models = 0, optimal = 0, bounds = 0, reconstructed = 0, exact_tableau = 0, resolved = 0;
    int other_exact = 0, ranging_exact = 0, marked = 0, marked_r = 0;
};

// The first proof that holds for the store's optimum.
void classifyOptimum(const Store& s, Tally& t) {
    t.optimal++;
    BasisBounds b;
    if (only_non_negative(s) && bound_basis(s, b, true) && optimum_bounded(s, b) &&
        summaries_print_exactly(s, b)) {
        t.bounds++;
    } else if (exact_basis_solution(s, b) && optimum_bounded(s, b) &&
               summaries_print_exactly(s, b)) {
        t.reconstructed++;
    } else {
        ExactTableau e;
        if (prove_outcome(s, e) == Proof::exact_tableau)
            t.exact_tableau++;
        else
            t.resolved++;
    }
    Ranging g;
    if (!float_ranging(s, g)) t.ranging_exact++;
}

bool marked(const std::string& text, const char* name, bool ranging) {
    Session h(text);
    Store& s = h.store();
    std::snprintf(s.file_name, sizeof s.file_name, "%s", name);
    initParam(s);
    s.opt.show_range = ranging ? 1 : 0;
    h.run([](Store& st) { solve(st); });
    return h.output().find(exact_note) != std::string::npos;
}

void judge(const std::string& text, const char* name, Tally& t) {
    t.models++;
    Session h(text);
    Store& s = h.store();
    std::snprintf(s.file_name, sizeof s.file_name, "%s", name);
    initParam(s);
    h.run([&t](Store& st) {
        readModel(st);
        setprob(st);
        simplex(st);
        if (st.engine.end_stat == zep::Outcome::optimal) {
            classifyOptimum(st, t);
            return;
        }
        ExactTableau e;
        if (prove_outcome(st, e) == Proof::none)
            t.resolved++;
        else if (!e.a.empty())
            t.other_exact++;
    });
    if (marked(text, name, false)) t.marked++;
    if (marked(text, name, true)) t.marked_r++;
}

void print(const char* what, const Tally& t) {
    int beyond = t.reconstructed + t.exact_tableau + t.resolved + t.other_exact;
    std::printf("%s: %d models, %d optimal\n", what, t.models, t.optimal);
    std::printf("  optima proven by the bounds %d, by reconstruction %d, by the exact tableau %d;"
                " exact re-solves %d; other outcomes with the exact tableau %d\n",
                t.bounds, t.reconstructed, t.exact_tableau, t.resolved, t.other_exact);
    std::printf("  exact arithmetic beyond the bounds: %d of %d (of which the exact tableau or a "
                "re-solve: %d)\n",
                beyond, t.models, t.exact_tableau + t.resolved + t.other_exact);
    std::printf("  with -r, ranging from the exact tableau: %d of %d optima\n", t.ranging_exact,
                t.optimal);
    std::printf("  marking line: %d of %d; with -r: %d\n", t.marked, t.models, t.marked_r);
}

// The random models of one family, judged, and written to dir when given
// (as NAME-K.mat) for runs of other builds.
template <class Next>
void judgeRandom(const char* family, int count, unsigned seed, const char* dir, Next next) {
    Tally t;
    for (int k = 0; k < count; k++) {
        std::string name = std::string(family) + "-" + std::to_string(k) + ".mat";
        std::string text = next();
        if (dir) std::ofstream(std::string(dir) + "/" + name) << text;
        judge(text, name.c_str(), t);
    }
    char what[96];
    std::snprintf(what, sizeof what, "random %s models, seed %u", family, seed);
    print(what, t);
}

} // namespace

int main(int argc, char** argv) {
    Tally files;
    const char* dir = nullptr;
    for (int i = 1; i < argc; i++) {
        if (std::strcmp(argv[i], "--write") == 0 && i + 1 < argc) {
            dir = argv[++i];
            continue;
        }
        if (std::strcmp(argv[i], "--random") == 0 && i + 2 < argc) {
            int count = std::atoi(argv[i + 1]);
            auto seed = static_cast<unsigned>(std::strtoul(argv[i + 2], nullptr, 10));
            i += 2;
            testing::ShapedModels shaped(seed);
            judgeRandom("shaped", count, seed, dir,
                        [&] { return testing::matText(shaped.next()); });
            std::mt19937 rng(seed);
            judgeRandom("ordinary", count, seed, dir, [&] { return testing::ordinaryModel(rng); });
            continue;
        }
        std::ifstream in(argv[i]);
        std::stringstream text;
        text << in.rdbuf();
        judge(text.str(), argv[i], files);
    }
    if (files.models > 0) print("files", files);
    return 0;
}
