// Side by side on the same models: zep's solve from the matrix-form text
// in a fresh store; zep's reading of the text alone; zep's engine alone
// (standard form and simplex on a store that holds the model as read);
// GLPK's glp_simplex through its API; zep's check of the answer on the
// store that one solve leaves; and the exact re-solve on that store, from
// its final basis and from the starting basis. After the runs a summary table gives each
// model's CPU time per solve and the zep/GLPK ratios.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "check/verify.h"
#include "models.h"
#include "solvers.h"

namespace {

using zep::detail::bench::Model;

FILE* sink() {
    static FILE* null_out = std::fopen("/dev/null", "w");
    return null_out;
}

bool agree(double a, double b) {
    return std::fabs(a - b) <= 1e-6 * std::fmax(1.0, std::fabs(b));
}

void zepBench(benchmark::State& state, const Model& model) {
    std::string text = zep::detail::bench::matrixText(model);
    double z = zep::detail::bench::zepObjective(*zep::detail::bench::zepSolve(text, sink()));
    if (!agree(z, zep::detail::bench::glpkSolve(model))) {
        state.SkipWithError("zep and GLPK disagree on the optimum");
        return;
    }
    for (auto _ : state) benchmark::DoNotOptimize(zep::detail::bench::zepSolve(text, sink()));
    state.counters["objective"] = z;
}

void readBench(benchmark::State& state, const Model& model) {
    std::string text = zep::detail::bench::matrixText(model);
    for (auto _ : state) benchmark::DoNotOptimize(zep::detail::bench::zepRead(text, sink()));
}

void engineBench(benchmark::State& state, const Model& model) {
    auto read = zep::detail::bench::zepRead(zep::detail::bench::matrixText(model), sink());
    auto s = std::make_unique<zep::detail::Store>();
    for (auto _ : state) {
        *s = read->store();
        zep::detail::bench::zepEngine(*s);
        benchmark::DoNotOptimize(s->engine.end_stat);
    }
}

void glpkBench(benchmark::State& state, const Model& model) {
    double z = zep::detail::bench::glpkSolve(model);
    for (auto _ : state) benchmark::DoNotOptimize(zep::detail::bench::glpkSolve(model));
    state.counters["objective"] = z;
}

void checkBench(benchmark::State& state, const Model& model) {
    auto s = zep::detail::bench::zepSolve(zep::detail::bench::matrixText(model), sink());
    // The check proves the answer from the floating-point tableau or, where
    // its bounds cannot, from the exact tableau of the same basis.
    zep::detail::ExactTableau e;
    if (zep::detail::prove_outcome(s->store(), e) == zep::detail::Proof::none) {
        state.SkipWithError("the check refuses zep's answer");
        return;
    }
    for (auto _ : state) {
        zep::detail::ExactTableau scratch;
        benchmark::DoNotOptimize(zep::detail::prove_outcome(s->store(), scratch));
    }
}

// The exact re-solve of the model on the store that one solve leaves: from
// its final floating-point basis, as the re-solve runs, or from the
// standard form's starting basis, for comparison.
void resolveBench(benchmark::State& state, const Model& model, bool from_basis) {
    auto solved = zep::detail::bench::zepSolve(zep::detail::bench::matrixText(model), sink());
    auto s = std::make_unique<zep::detail::Store>();
    for (auto _ : state) {
        *s = solved->store();
        zep::detail::ExactTableau e;
        if (from_basis) e = zep::detail::exact_at_basis(*s);
        zep::detail::exact_simplex(*s, e);
        benchmark::DoNotOptimize(s->engine.end_stat);
    }
}

// The console report, then one Markdown table of the per-model times.
class SummaryReporter : public benchmark::ConsoleReporter {
  public:
    explicit SummaryReporter(const std::vector<Model>& in_order) : models(in_order) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.error_occurred || (run.run_type == Run::RT_Aggregate && !median)) continue;
            // CPU time, which other work on the machine disturbs less.
            seconds[run.run_name.function_name] =
                run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        std::string table = "\n| model | rows | vars | columns | zep solve (us) | read (us) | "
                            "engine (us) | GLPK (us) | solve/GLPK | engine/GLPK | check (us) | "
                            "check/solve | re-solve (ms) | from scratch (ms) |\n"
                            "|---|---|---|---|---|---|---|---|---|---|---|---|---|---|\n";
        for (const Model& model : models) table += row(model);
        GetOutputStream() << table << goals() << std::flush;
    }

  private:
    // The goals: the engine at most 0.33 of GLPK's time and the whole solve
    // at most 1.0, on every model.
    std::string goals() const {
        double worst_engine = 0, worst_solve = 0;
        int engine_met = 0, solve_met = 0;
        for (const Model& model : models) {
            double glpk_t = time("glpk/" + model.name);
            double engine = time("engine/" + model.name) / glpk_t;
            double solve = time("zep/" + model.name) / glpk_t;
            worst_engine = std::fmax(worst_engine, engine);
            worst_solve = std::fmax(worst_solve, solve);
            engine_met += engine <= 0.33;
            solve_met += solve <= 1.0;
        }
        char line[240];
        std::snprintf(line, sizeof line,
                      "\nGoals: engine/GLPK <= 0.33 on %d of %d models (largest %.2f); "
                      "solve/GLPK <= 1.0 on %d of %d (largest %.2f)\n",
                      engine_met, static_cast<int>(models.size()), worst_engine, solve_met,
                      static_cast<int>(models.size()), worst_solve);
        return line;
    }

    double time(const std::string& name) const {
        auto found = seconds.find(name);
        return found == seconds.end() ? std::nan("") : found->second;
    }

    std::string row(const Model& model) const {
        double zep_t = time("zep/" + model.name);
        double read_t = time("read/" + model.name);
        double engine_t = time("engine/" + model.name);
        double glpk_t = time("glpk/" + model.name);
        double check_t = time("check/" + model.name);
        double resolve_t = time("resolve/" + model.name);
        double scratch_t = time("scratch/" + model.name);
        char line[280];
        std::snprintf(line, sizeof line,
                      "| %s | %d | %d | %d | %.1f | %.1f | %.1f | %.1f | %.2f | %.2f | %.2f | %.3f "
                      "| %.2f | %.2f |\n",
                      model.name.c_str(), model.m, model.n, zep::detail::bench::namedColumns(model),
                      zep_t * 1e6, read_t * 1e6, engine_t * 1e6, glpk_t * 1e6, zep_t / glpk_t,
                      engine_t / glpk_t, check_t * 1e6, check_t / zep_t, resolve_t * 1e3,
                      scratch_t * 1e3);
        return line;
    }

    std::vector<Model> models;
    std::map<std::string, double> seconds;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    glp_term_out(GLP_OFF);
    std::vector<Model> models = zep::detail::bench::benchModels();
    for (const Model& model : models) {
        if (model.m > zep::detail::max_cons ||
            zep::detail::bench::namedColumns(model) > zep::detail::max_names) {
            std::fprintf(stderr, "model %s exceeds zep's capacity\n", model.name.c_str());
            return 1;
        }
        benchmark::RegisterBenchmark(("zep/" + model.name).c_str(), zepBench, model)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("read/" + model.name).c_str(), readBench, model)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("engine/" + model.name).c_str(), engineBench, model)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("glpk/" + model.name).c_str(), glpkBench, model)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("check/" + model.name).c_str(), checkBench, model)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("resolve/" + model.name).c_str(), resolveBench, model, true)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("scratch/" + model.name).c_str(), resolveBench, model, false)
            ->Unit(benchmark::kMillisecond);
    }
    SummaryReporter reporter(models);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
