// zep against glpsol on random models with bounds of every kind: each model
// is written in the LP format and in MPS, glpsol's verdict on the MPS file
// is taken only where its exact simplex agrees, and zep must give the same
// outcome and objective from both files, its check proving each answer.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>

#include "bounded_model.h"
#include "check/verify.h"
#include "differential.h"
#include "glpsol.h"
#include "random_model.h"

namespace {

namespace fs = std::filesystem;
using zep::detail::testing::Answer;
using zep::detail::testing::glpsolOn;
using zep::detail::testing::sameVerdict;

void writeText(const fs::path& path, const std::string& text) {
    std::FILE* f = std::fopen(path.c_str(), "w");
    std::fputs(text.c_str(), f);
    std::fclose(f);
}

void expectAnswer(const fs::path& model, const Answer& want) {
    zep::detail::testing::SolveRun run = zep::detail::testing::solveFile(model.string());
    ASSERT_EQ(run.status, -1) << run.output;
    const zep::detail::Store& s = *run.store;
    ASSERT_EQ(zep::detail::testing::statusName(s.engine.end_stat), want.status) << run.output;
    if (want.status == "OPTIMAL") {
        EXPECT_NEAR(-s.model.z_mult * s.tab.a_mat[0][0], want.objective,
                    1e-9 * std::fmax(1, std::fabs(want.objective)))
            << run.output;
    }
    zep::detail::ExactTableau e;
    EXPECT_NE(zep::detail::prove_outcome(s, e), zep::detail::Proof::none) << run.output;
}

void runBounded(const char* seed_name, unsigned seed, bool ranges) {
    if (std::system("command -v glpsol >/dev/null 2>&1") != 0) GTEST_SKIP() << "glpsol not found";
    zep::detail::testing::RandomBounded random(zep::detail::testing::testSeed(seed_name, seed),
                                               ranges);
    fs::path dir = fs::temp_directory_path() / ("zep-bounds-" + std::to_string(getpid()));
    fs::create_directories(dir);
    fs::path lp = dir / "model.lp", mps = dir / "model.mps", sol = dir / "model.sol";
    int compared = 0, outcomes[4] = {};
    for (int k = 0; k < 300; k++) {
        zep::detail::testing::BoundedModel m = random.next();
        std::string lpText = zep::detail::testing::boundedLp(m);
        std::string mpsText = zep::detail::testing::boundedMps(m);
        SCOPED_TRACE("model " + std::to_string(k) + ":\n" + lpText + "\n" + mpsText);
        // glpsol reads no LP ranges and no objective constant: its model is
        // the MPS file without the constant's entry.
        writeText(mps, zep::detail::testing::boundedMps(m, false));
        std::string glpsolInput = "--freemps " + mps.string() + (m.maximize ? " --max" : "");
        Answer plain = glpsolOn(glpsolInput, sol, "");
        Answer exact = glpsolOn(glpsolInput, sol, "--exact");
        if (plain.status == "UNKNOWN" || !sameVerdict(plain, exact)) {
            std::printf("skipped model %d: glpsol %s %.17g, glpsol --exact %s %.17g\n", k,
                        plain.status.c_str(), plain.objective, exact.status.c_str(),
                        exact.objective);
            continue;
        }
        exact.objective += m.constant;
        writeText(lp, lpText);
        expectAnswer(lp, exact);
        writeText(mps, (m.maximize ? "OBJSENSE\n    MAX\n" : "") + mpsText);
        expectAnswer(mps, exact);
        compared++;
        outcomes[exact.status == "OPTIMAL" ? 1 : exact.status == "INFEASIBLE" ? 2 : 3]++;
    }
    fs::remove_all(dir);
    std::printf("compared %d: %d optimal, %d infeasible, %d unbounded\n", compared, outcomes[1],
                outcomes[2], outcomes[3]);
    EXPECT_GE(compared, 280);
    EXPECT_GT(outcomes[1], 60);
    EXPECT_GT(outcomes[2], 20);
    EXPECT_GT(outcomes[3], 10);
}

TEST(BoundsDifferential, RandomBoundedModelsAgreeWithGlpsol) {
    runBounded("ZEP_BOUNDS_SEED", 2020, false);
}

TEST(BoundsDifferential, RandomRangedModelsAgreeWithGlpsol) {
    runBounded("ZEP_RANGES_SEED", 2021, true);
}

} // namespace
