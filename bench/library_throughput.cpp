// The library's throughput on the benchmark models: zep::solve on a
// zep::Model built in code, with its report text and without it
// (Options::report false), against GLPK's library on the same models.
// Each round solves every model a fixed number of times with each of the
// three, in turn, so that a spell of load on a shared machine falls on
// all three alike; the table gives the median over the rounds of the time
// per solve, and the models per second of the whole set.
#include <zep/zep.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "solvers.h"

namespace {

namespace bench = zep::detail::bench;

zep::Model modelOf(const bench::Model& b) {
    zep::Model m;
    m.sense = b.maximise ? zep::Sense::maximize : zep::Sense::minimize;
    m.objective_label = "OBJ";
    m.objective = b.obj;
    char name[16];
    for (int j = 1; j <= b.n; j++) {
        std::snprintf(name, sizeof name, "X%d", j);
        m.variables.emplace_back(name);
    }
    for (int i = 0; i < b.m; i++) {
        auto k = static_cast<std::size_t>(i);
        zep::Relation rel = b.rel[k] == bench::Rel::le   ? zep::Relation::less_equal
                            : b.rel[k] == bench::Rel::ge ? zep::Relation::greater_equal
                                                         : zep::Relation::equal;
        std::snprintf(name, sizeof name, "R%d", i + 1);
        m.constraints.push_back({name, b.rows[k], rel, b.rhs[k]});
    }
    return m;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

template <class Solve> double microsecondsPerSolve(int times, Solve solve) {
    auto start = std::chrono::steady_clock::now();
    for (int k = 0; k < times; k++) solve();
    std::chrono::duration<double, std::micro> took = std::chrono::steady_clock::now() - start;
    return took.count() / times;
}

} // namespace

int main(int argc, char** argv) {
    int rounds = argc > 1 ? std::atoi(argv[1]) : 9;
    int times = argc > 2 ? std::atoi(argv[2]) : 200;
    std::vector<bench::Model> models = bench::benchModels();
    zep::Options numbers;
    numbers.report = false;
    constexpr int solvers = 3;
    // times[model][solver][round]
    std::vector<std::vector<std::vector<double>>> us(models.size(),
                                                     std::vector<std::vector<double>>(solvers));
    for (std::size_t i = 0; i < models.size(); i++) {
        zep::Model m = modelOf(models[i]);
        double z = zep::solve(m, numbers).objective;
        double g = bench::glpkSolve(models[i]);
        if (std::fabs(z - g) > 1e-6 * std::max(1.0, std::fabs(g))) {
            std::fprintf(stderr, "%s: zep %.17g, GLPK %.17g\n", models[i].name.c_str(), z, g);
            return 1;
        }
    }
    for (int round = 0; round < rounds; round++) {
        for (std::size_t i = 0; i < models.size(); i++) {
            zep::Model m = modelOf(models[i]);
            const bench::Model& b = models[i];
            us[i][0].push_back(microsecondsPerSolve(times, [&] { zep::solve(m); }));
            us[i][1].push_back(microsecondsPerSolve(times, [&] { zep::solve(m, numbers); }));
            us[i][2].push_back(microsecondsPerSolve(times, [&] { bench::glpkSolve(b); }));
        }
    }
    std::printf("| model | zep::solve with report (us) | without report (us) | GLPK (us) | "
                "with / GLPK | without / GLPK |\n|---|---|---|---|---|---|\n");
    double total[solvers] = {};
    for (std::size_t i = 0; i < models.size(); i++) {
        double t[solvers];
        for (int k = 0; k < solvers; k++) {
            t[k] = median(us[i][static_cast<std::size_t>(k)]);
            total[k] += t[k];
        }
        std::printf("| %s | %.1f | %.1f | %.1f | %.2f | %.2f |\n", models[i].name.c_str(), t[0],
                    t[1], t[2], t[0] / t[2], t[1] / t[2]);
    }
    double set = static_cast<double>(models.size());
    std::printf("| all %zu, models per second | %.0f | %.0f | %.0f | %.2f | %.2f |\n",
                models.size(), 1e6 * set / total[0], 1e6 * set / total[1], 1e6 * set / total[2],
                total[0] / total[2], total[1] / total[2]);
    std::printf("\n%d rounds of %d solves of each model by each; medians over the rounds\n", rounds,
                times);
    return 0;
}
