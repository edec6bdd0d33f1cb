// zep against glpsol on the LP format and MPS: random models, written by
// zep-convert's writers, solved by both; outcome and objective must agree.
// Right-hand sides may be negative, so zep's negation of such rows is
// checked against a solver that reads them as written.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "differential.h"
#include "glpsol.h"
#include "random_model.h"
#include "reports/model_writer.h"

namespace {

namespace fs = std::filesystem;
using zep::detail::testing::Answer;

void writeFile(zep::detail::Store& s, zep::detail::ModelForm to, const fs::path& path) {
    std::FILE* out = s.out;
    s.out = std::fopen(path.c_str(), "w");
    zep::detail::writeModel(s, to);
    std::fclose(s.out);
    s.out = out;
}

// Fixed MPS is given to glpsol as fixed, so that it checks the fields.
std::string glpsolMps(const fs::path& mps, const fs::path& plain, bool fixed) {
    bool max = false;
    std::string text =
        zep::detail::testing::withoutObjsense(zep::detail::testing::readFile(mps.string()), &max);
    std::FILE* f = std::fopen(plain.c_str(), "w");
    std::fputs(text.c_str(), f);
    std::fclose(f);
    return (fixed ? "--mps " : "--freemps ") + plain.string() + (max ? " --max" : "");
}

Answer glpsol(const std::string& input, const fs::path& sol) {
    Answer a = zep::detail::testing::glpsolOn(input, sol, "");
    if (a.status == "UNKNOWN") ADD_FAILURE() << "glpsol gave no verdict on " << input;
    return a;
}

void expectSameOutcome(const fs::path& model, const Answer& want) {
    zep::detail::testing::SolveRun run = zep::detail::testing::solveFile(model.string());
    ASSERT_EQ(run.status, -1) << run.output;
    const zep::detail::Store& s = *run.store;
    ASSERT_EQ(zep::detail::testing::statusName(s.engine.end_stat), want.status) << run.output;
    if (want.status == "OPTIMAL") {
        EXPECT_NEAR(-s.model.z_mult * s.tab.a_mat[0][0], want.objective,
                    1e-6 * std::fmax(1, std::fabs(want.objective)));
    }
}

TEST(FormatsDifferential, RandomModelsInBothFormatsAgreeWithGlpsol) {
    if (std::system("command -v glpsol >/dev/null 2>&1") != 0) GTEST_SKIP() << "glpsol not found";
    zep::detail::testing::RandomModels random(
        zep::detail::testing::testSeed("ZEP_FORMATS_SEED", 1414), true);
    fs::path dir = fs::temp_directory_path() / ("zep-formats-" + std::to_string(getpid()));
    fs::create_directories(dir);
    int outcomes[4] = {};
    for (int k = 0; k < 80; k++) {
        auto model = std::make_unique<zep::detail::Store>();
        do random.fill(*model, 8, 8, true);
        while (model->model.num_cons == 0);
        fs::path lp = dir / "model.lp", mps = dir / "model.mps", sol = dir / "model.sol";
        writeFile(*model, zep::detail::ModelForm::lp, lp);
        writeFile(*model, zep::detail::ModelForm::mps, mps);
        SCOPED_TRACE("model " + std::to_string(k) + ":\n" +
                     zep::detail::testing::readFile(lp.string()));
        Answer byLp = glpsol("--lp " + lp.string(), sol);
        Answer byMps =
            glpsol(glpsolMps(mps, dir / "glpsol.mps", zep::detail::fitsFixedMps(*model)), sol);
        EXPECT_EQ(byLp.status, byMps.status);
        expectSameOutcome(lp, byLp);
        expectSameOutcome(mps, byMps);
        outcomes[byLp.status == "OPTIMAL" ? 1 : byLp.status == "INFEASIBLE" ? 2 : 3]++;
    }
    fs::remove_all(dir);
    // The random models reach every outcome.
    EXPECT_GT(outcomes[1], 10);
    EXPECT_GT(outcomes[2], 5);
    EXPECT_GT(outcomes[3], 5);
}

} // namespace
