// The example files for each kind of bound, the objective constant, ranges
// and empty sections, solved by zep and by glpsol: the same outcome and
// objective, glpsol's taken only where glpsol --exact agrees. Where glpsol
// rejects the file's syntax (an LP row "lo <= terms <= hi", OBJSENSE, a
// Semi-continuous section), the model goes to glpsol as zep's own writers
// (zep-convert's) write it in a form glpsol reads: MPS without OBJSENSE,
// the sense passed as --max.
#include <zep/zep.h>

#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>

#include "check/verify.h"
#include "differential.h"
#include "glpsol.h"

namespace {

namespace fs = std::filesystem;
using zep::detail::testing::Answer;

enum class Via {
    lp,      // glpsol --lp on the file
    freemps, // glpsol --freemps on the file
    writer,  // glpsol --freemps on write_mps's text of the model, OBJSENSE taken out
};

struct Example {
    const char* file;
    Via via;
};

class ExampleAgainstGlpsol : public ::testing::TestWithParam<Example> {};

TEST_P(ExampleAgainstGlpsol, SameOutcomeAndObjective) {
    if (std::system("command -v glpsol >/dev/null 2>&1") != 0) GTEST_SKIP() << "glpsol not found";
    const Example& ex = GetParam();
    std::string path = std::string(ZEP_SOURCE_DIR) + "/examples/" + ex.file;
    zep::detail::testing::SolveRun run = zep::detail::testing::solveFile(path);
    ASSERT_EQ(run.status, -1) << run.output;
    const zep::detail::Store& s = *run.store;
    zep::detail::ExactTableau e;
    EXPECT_NE(zep::detail::prove_outcome(s, e), zep::detail::Proof::none) << run.output;

    fs::path dir = fs::temp_directory_path() / ("zep-examples-" + std::to_string(getpid()));
    fs::create_directories(dir);
    std::string input = (ex.via == Via::lp ? "--lp " : "--freemps ") + path;
    // glpsol takes an MPS file's RHS entry on the objective row as the
    // constant, zep (as CPLEX) as minus the constant.
    double constant = ex.via == Via::lp ? 0 : 2 * s.model.obj_const;
    if (ex.via == Via::writer) {
        zep::Model m = zep::read_model(zep::detail::testing::readFile(path));
        fs::path mps = dir / "model.mps";
        std::FILE* f = std::fopen(mps.c_str(), "w");
        std::fputs(zep::detail::testing::withoutObjsense(zep::write_mps(m)).c_str(), f);
        std::fclose(f);
        input = "--freemps " + mps.string() + (m.sense == zep::Sense::maximize ? " --max" : "");
    }
    Answer plain = zep::detail::testing::glpsolOn(input, dir / "model.sol", "");
    Answer exact = zep::detail::testing::glpsolOn(input, dir / "model.sol", "--exact");
    fs::remove_all(dir);
    ASSERT_NE(plain.status, "UNKNOWN") << "glpsol does not read " << input;
    ASSERT_TRUE(zep::detail::testing::sameVerdict(plain, exact));
    EXPECT_EQ(zep::detail::testing::statusName(s.engine.end_stat), exact.status);
    if (exact.status == "OPTIMAL") {
        double objective = -s.model.z_mult * s.tab.a_mat[0][0] - constant;
        EXPECT_NEAR(objective, exact.objective, 1e-9 * std::fmax(1, std::fabs(exact.objective)));
    }
}

INSTANTIATE_TEST_SUITE_P(Files, ExampleAgainstGlpsol,
                         ::testing::Values(Example{"bounded-cplex.lp", Via::lp},
                                           Example{"bounded-ranging-cplex.lp", Via::lp},
                                           Example{"fixed-cplex.lp", Via::lp},
                                           Example{"free-cplex.lp", Via::lp},
                                           Example{"infeasible-flipped-zero-cplex.lp", Via::lp},
                                           Example{"ranged-cplex.lp", Via::writer},
                                           Example{"empty-sections-cplex.lp", Via::writer},
                                           Example{"fixed.mps", Via::freemps},
                                           Example{"free.mps", Via::freemps},
                                           Example{"ranged.mps", Via::freemps},
                                           Example{"objective-constant.mps", Via::freemps},
                                           Example{"bounded.mps", Via::writer}));

} // namespace
