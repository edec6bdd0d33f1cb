// Every number of the ranging tables and the final tableau, judged exactly
// for zep's final basis: on both corpora, on every example model and on
// random families of primal- and dual-degenerate models.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "bounded_model.h"
#include "driver/session.h"
#include "driver/solve.h"
#include "random_model.h"
#include "reports/sensitivity.h"
#include "sensitivity_oracle.h"

namespace {

using zep::detail::Session;
using zep::detail::Store;
using zep::detail::testing::Judgement;

struct Tally {
    int models = 0, optimal = 0, numbers = 0;
    std::vector<std::string> wrong;
};

// Solves text with options r and f and judges what was printed.
void judgeModel(const std::string& text, const std::string& name, Tally& tally) {
    Session h(text);
    Store& s = h.store();
    std::snprintf(s.file_name, sizeof s.file_name, "%s", name.c_str());
    s.opt.show_range = 1;
    s.opt.last_tableau = 1;
    zep::detail::initParam(s);
    int status = h.run([](Store& st) { zep::detail::solve(st); });
    tally.models++;
    if (status != -1 || s.engine.end_stat != zep::Outcome::optimal) return;
    tally.optimal++;
    Judgement j = zep::detail::testing::judgeSensitivity(s, h.output());
    tally.numbers += j.numbers;
    for (const std::string& w : j.wrong) tally.wrong.push_back(name + ": " + w);
}

std::string readText(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream t;
    t << in.rdbuf();
    return t.str();
}

void judgeFolder(const char* folder, Tally& tally) {
    std::vector<std::filesystem::path> files;
    for (const auto& f :
         std::filesystem::directory_iterator(std::string(ZEP_SOURCE_DIR) + folder)) {
        std::string ext = f.path().extension();
        if (ext == ".mat" || ext == ".lp" || ext == ".mps") files.push_back(f.path());
    }
    std::sort(files.begin(), files.end());
    for (const auto& f : files) judgeModel(readText(f), f.filename(), tally);
}

void expectAllRight(const Tally& t) {
    std::printf("%d models, %d optimal, %d numbers judged, %zu wrong\n", t.models, t.optimal,
                t.numbers, t.wrong.size());
    for (std::size_t i = 0; i < t.wrong.size() && i < 20; i++) ADD_FAILURE() << t.wrong[i];
    EXPECT_TRUE(t.wrong.empty());
}

TEST(SensitivityOracle, Corpus) {
    Tally t;
    judgeFolder("/tests/corpus", t);
    expectAllRight(t);
}

TEST(SensitivityOracle, WideCorpus) {
    Tally t;
    judgeFolder("/tests/corpus-wide", t);
    expectAllRight(t);
}

TEST(SensitivityOracle, ExampleModels) {
    Tally t;
    judgeFolder("/examples", t);
    expectAllRight(t);
}

// Models built around a vertex x0 that many rows pass through (primal
// degenerate) and objectives parallel to a row or with repeated columns
// (dual degenerate: alternative optima, zero reduced costs), in small
// whole numbers so that ties are exact.
class DegenerateModels {
  public:
    explicit DegenerateModels(unsigned seed) : rng(seed) {}

    std::string next() {
        int n = pick(1, 7), m = pick(1, 8);
        std::vector<int> x0(static_cast<std::size_t>(n));
        for (int& v : x0) v = pick(0, 2) == 0 ? 0 : pick(0, 4);
        std::vector<std::vector<int>> rows;
        std::ostringstream t;
        bool maximise = pick(0, 1) == 1;
        t << (maximise ? "MAX " : "MIN ") << n << ' ' << m << '\n';
        for (int j = 1; j <= n; j++) t << 'X' << j << ' ';
        t << "\nOBJ";
        std::vector<std::vector<int>> a(static_cast<std::size_t>(m), std::vector<int>(n));
        for (auto& row : a)
            for (int j = 0; j < n; j++) row[j] = pick(0, 2) == 0 ? 0 : pick(-3, 5);
        // Repeated columns: two variables alike in every row and in cost.
        int twin = n >= 2 && pick(0, 2) == 0 ? pick(1, n - 1) : -1;
        if (twin > 0)
            for (auto& row : a) row[twin] = row[twin - 1];
        std::vector<int> c(static_cast<std::size_t>(n));
        int parallel = pick(0, 2) == 0 ? pick(0, m - 1) : -1;
        for (int j = 0; j < n; j++) {
            c[j] = parallel >= 0 ? a[parallel][j] * (maximise ? 1 : -1) : pick(-4, 6);
            if (pick(0, 5) == 0) c[j] = 0;
        }
        if (twin > 0) c[twin] = c[twin - 1];
        for (int v : c) t << ' ' << v;
        t << '\n';
        for (int r = 0; r < m; r++) {
            long ax = 0;
            for (int j = 0; j < n; j++) ax += a[r][j] * x0[j];
            int kind = pick(0, 4);
            const char* rel = kind <= 2 ? "<=" : kind == 3 ? ">=" : "=";
            long rhs = ax + (pick(0, 1) == 0 ? 0 : (kind <= 2 ? pick(0, 3) : -pick(0, 3)));
            if (kind == 4) rhs = ax;
            int sign = 1;
            if (rhs < 0) {
                sign = -1;
                rel = kind <= 2 ? ">=" : kind == 3 ? "<=" : "=";
            }
            t << 'C' << r + 1;
            for (int j = 0; j < n; j++) t << ' ' << sign * a[r][j];
            t << ' ' << rel << ' ' << sign * rhs << '\n';
        }
        return t.str();
    }

  private:
    std::mt19937 rng;
    int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }
};

// count degenerate models and a quarter as many ordinary ones.
void judgeRandom(const char* variable, unsigned fixed, int count) {
    unsigned seed = zep::detail::testing::testSeed(variable, fixed);
    DegenerateModels models(seed);
    std::mt19937 rng(seed);
    Tally degenerate, ordinary;
    for (int k = 0; k < count; k++) {
        std::string name = "random-" + std::to_string(k) + ".mat";
        judgeModel(models.next(), name, degenerate);
        if (k % 4 == 0)
            judgeModel(zep::detail::testing::ordinaryModel(rng), "ordinary-" + name, ordinary);
    }
    expectAllRight(degenerate);
    expectAllRight(ordinary);
}

TEST(SensitivityOracle, RandomModels) {
    judgeRandom("ZEP_ORACLE_SEED", 17, 300);
}

TEST(SensitivityOracleLong, RandomSoak) {
    judgeRandom("ZEP_ORACLE_SOAK_SEED", 1717, 6000);
}

// Models with every kind of bound, free variables and ranged rows, in the
// LP format: the tables in the terms of the model as written.
void judgeBounded(const char* variable, unsigned fixed, int count) {
    unsigned seed = zep::detail::testing::testSeed(variable, fixed);
    zep::detail::testing::RandomBounded models(seed, true);
    Tally t;
    for (int k = 0; k < count; k++)
        judgeModel(zep::detail::testing::boundedLp(models.next()),
                   "bounded-" + std::to_string(k) + ".lp", t);
    EXPECT_GT(t.optimal, count / 4);
    expectAllRight(t);
}

TEST(SensitivityOracle, RandomBoundedModels) {
    judgeBounded("ZEP_ORACLE_BOUNDED_SEED", 20, 400);
}

TEST(SensitivityOracleLong, RandomBoundedSoak) {
    judgeBounded("ZEP_ORACLE_BOUNDED_SOAK_SEED", 2020, 8000);
}

} // namespace

namespace {

// The tables as printed from g.
std::string tables(Store& s, const zep::detail::Ranging& g) {
    std::FILE* out = s.out;
    char* text = nullptr;
    std::size_t size = 0;
    s.out = open_memstream(&text, &size);
    zep::detail::range_cost(s, g);
    zep::detail::range_rhs(s, g);
    std::fclose(s.out);
    s.out = out;
    std::string result(text, size);
    std::free(text);
    return result;
}

// Where the bounds decide, the floating-point tables print byte for byte
// as the exact ones; count how often they decide.
TEST(SensitivityOracle, FloatRangingPrintsAsTheExactWhereItDecides) {
    int optimal = 0, decided = 0;
    for (const char* folder : {"/tests/corpus", "/tests/corpus-wide", "/examples"}) {
        for (const auto& f :
             std::filesystem::directory_iterator(std::string(ZEP_SOURCE_DIR) + folder)) {
            if (f.path().extension() != ".mat") continue;
            Session h(readText(f.path()));
            Store& s = h.store();
            zep::detail::initParam(s);
            if (h.run([](Store& st) { zep::detail::solve(st); }) != -1 ||
                s.engine.end_stat != zep::Outcome::optimal)
                continue;
            optimal++;
            zep::detail::Ranging g;
            if (!zep::detail::float_ranging(s, g)) continue;
            decided++;
            EXPECT_EQ(tables(s, g),
                      tables(s, zep::detail::exact_ranging(s, zep::detail::ranging_tableau(s))))
                << f.path();
        }
    }
    std::printf("%d optimal models, floating-point ranging decided on %d\n", optimal, decided);
    EXPECT_GT(decided, 0);
}

} // namespace
