#include "models.h"

#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <utility>

namespace zep::detail::bench {

namespace {

// A fixed linear congruential generator, so that every machine builds the
// same models.
class Lcg {
  public:
    explicit Lcg(std::uint64_t seed) : state(seed) {}
    int next(int lo, int hi) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        auto span = static_cast<std::uint64_t>(hi - lo + 1);
        return lo + static_cast<int>((state >> 33) % span);
    }

  private:
    std::uint64_t state;
};

Model blank(const char* name, bool maximise, int n, int m) {
    Model model;
    model.name = name;
    model.maximise = maximise;
    model.n = n;
    model.m = m;
    model.obj.assign(static_cast<size_t>(n), 0.0);
    model.rows.assign(static_cast<size_t>(m), std::vector<double>(static_cast<size_t>(n), 0.0));
    model.rel.assign(static_cast<size_t>(m), Rel::le);
    model.rhs.assign(static_cast<size_t>(m), 0.0);
    return model;
}

double dot(const std::vector<double>& a, const std::vector<double>& x) {
    double sum = 0;
    for (size_t j = 0; j < a.size(); j++) sum += a[j] * x[j];
    return sum;
}

void randomObjective(Model& model, Lcg& rng) {
    for (double& c : model.obj) c = rng.next(1, 9);
}

Model profit() {
    Model model = blank("profit-2x2", true, 2, 2);
    model.obj = {2, 3};
    model.rows = {{1, 1}, {1, 3}};
    model.rhs = {4, 6};
    return model;
}

// Dense "<=" rows of positive coefficients; a multiple of the ones vector
// lies inside every row.
Model denseLe(const char* name, int m, int n, std::uint64_t seed) {
    Lcg rng(seed);
    Model model = blank(name, true, n, m);
    randomObjective(model, rng);
    for (size_t i = 0; i < model.rows.size(); i++) {
        double sum = 0;
        for (double& a : model.rows[i]) sum += a = rng.next(1, 9);
        model.rhs[i] = sum * rng.next(2, 6);
    }
    return model;
}

// Rows of all three relations, in shuffled order, around a known point
// x0 >= 1, so that the model is feasible and phase 1 has work to do. The
// "<=" rows have positive coefficients only, which bounds the maximum.
Model mixed(const char* name, int nle, int nge, int neq, int n, std::uint64_t seed) {
    Lcg rng(seed);
    Model model = blank(name, true, n, nle + nge + neq);
    randomObjective(model, rng);
    std::vector<double> x0(static_cast<size_t>(n));
    for (double& x : x0) x = rng.next(1, 4);
    for (int i = 0; i < model.m; i++)
        model.rel[static_cast<size_t>(i)] = i < nle ? Rel::le : i < nle + nge ? Rel::ge : Rel::eq;
    for (size_t i = model.rel.size() - 1; i > 0; i--)
        std::swap(model.rel[i], model.rel[static_cast<size_t>(rng.next(0, static_cast<int>(i)))]);
    for (size_t i = 0; i < model.rows.size(); i++) {
        for (double& a : model.rows[i]) a = rng.next(1, 9);
        double at_x0 = dot(model.rows[i], x0);
        switch (model.rel[i]) {
        case Rel::le:
            model.rhs[i] = at_x0 + rng.next(0, 20);
            break;
        case Rel::ge:
            model.rhs[i] = static_cast<int>(at_x0 / 2);
            break;
        case Rel::eq:
            model.rhs[i] = at_x0;
            break;
        }
    }
    return model;
}

// A balanced transportation problem: every row is an equality and one of
// them is redundant, so the basis stays degenerate throughout.
Model transport(const char* name, int sources, int sinks, std::uint64_t seed) {
    Lcg rng(seed);
    Model model = blank(name, false, sources * sinks, sources + sinks);
    for (double& c : model.obj) c = rng.next(1, 20);
    double total = 0;
    for (int i = 0; i < sources; i++) {
        auto row = static_cast<size_t>(i);
        for (int j = 0; j < sinks; j++) model.rows[row][static_cast<size_t>(i * sinks + j)] = 1;
        model.rel[row] = Rel::eq;
        total += model.rhs[row] = rng.next(10, 40);
    }
    for (int j = 0; j < sinks; j++) {
        auto row = static_cast<size_t>(sources + j);
        for (int i = 0; i < sources; i++) model.rows[row][static_cast<size_t>(i * sinks + j)] = 1;
        model.rel[row] = Rel::eq;
        double share = static_cast<int>(total / sinks);
        model.rhs[row] = j < sinks - 1 ? share : total - share * (sinks - 1);
    }
    return model;
}

// Every other row passes through the origin (right-hand side 0) with
// coefficients of both signs: the start is a vertex at which many steps
// move nowhere. The rows between bound the maximum.
Model degenerate(const char* name, int m, int n, std::uint64_t seed) {
    Lcg rng(seed);
    Model model = blank(name, true, n, m);
    randomObjective(model, rng);
    for (size_t i = 0; i < model.rows.size(); i++) {
        bool through_origin = i % 2 == 0;
        double sum = 0;
        for (double& a : model.rows[i])
            sum += a = through_origin ? rng.next(-5, 5) : rng.next(1, 9);
        model.rhs[i] = through_origin ? 0 : sum * 3;
    }
    return model;
}

void appendf(std::string& text, const char* fmt, ...) {
    char piece[40];
    va_list ap;
    va_start(ap, fmt);
    std::vsnprintf(piece, sizeof piece, fmt, ap);
    va_end(ap);
    text += piece;
}

// A capacity model of the test corpus, read from its matrix-form file
// (variables X1.., rows R1.. as matrixText writes them).
Model corpusModel(const char* name) {
    std::string path = std::string(ZEP_SOURCE_DIR "/tests/corpus/") + name + ".mat";
    std::ifstream in(path);
    std::string sense, word;
    int n = 0, m = 0;
    if (!(in >> sense >> n >> m)) throw std::runtime_error("cannot read " + path);
    Model model = blank(name, sense == "MAX", n, m);
    for (int j = 0; j < n; j++) in >> word;
    in >> word;
    for (double& c : model.obj) in >> c;
    for (int i = 0; i < m; i++) {
        in >> word;
        for (double& a : model.rows[static_cast<size_t>(i)]) in >> a;
        in >> word;
        model.rel[static_cast<size_t>(i)] = word[0] == '<'   ? Rel::le
                                            : word[0] == '>' ? Rel::ge
                                                             : Rel::eq;
        in >> model.rhs[static_cast<size_t>(i)];
    }
    if (!in) throw std::runtime_error("cannot read " + path);
    return model;
}

} // namespace

std::vector<Model> benchModels() {
    return {profit(),
            denseLe("dense-10x8", 10, 8, 11),
            denseLe("dense-30x20", 30, 20, 12),
            mixed("mixed-12x10", 6, 3, 3, 10, 21),
            mixed("mixed-30x12", 18, 8, 4, 12, 22),
            transport("transport-5x7", 5, 7, 31),
            degenerate("degenerate-30x20", 30, 20, 41),
            corpusModel("limit-30x20-le"),
            corpusModel("limit-30-mixed"),
            corpusModel("limit-30-degenerate")};
}

std::string matrixText(const Model& model) {
    std::string text;
    appendf(text, "%s %d %d\n", model.maximise ? "MAX" : "MIN", model.n, model.m);
    for (int j = 1; j <= model.n; j++) appendf(text, j > 1 ? " X%d" : "X%d", j);
    text += "\nOBJ";
    for (double c : model.obj) appendf(text, " %.17g", c);
    for (size_t i = 0; i < model.rows.size(); i++) {
        appendf(text, "\nR%d", static_cast<int>(i + 1));
        for (double a : model.rows[i]) appendf(text, " %.17g", a);
        text += model.rel[i] == Rel::le ? " <=" : model.rel[i] == Rel::ge ? " >=" : " =";
        appendf(text, " %.17g", model.rhs[i]);
    }
    return text + "\n";
}

int namedColumns(const Model& model) {
    int columns = model.n;
    for (Rel r : model.rel) columns += r == Rel::ge ? 2 : 1;
    return columns;
}

} // namespace zep::detail::bench
