// The models of another project: GLPK's examples as the Debian package
// glpk-utils installs them (never copied here). Its LP and MPS files are
// read as they are, and each MathProg model that glpsol translates is
// written by glpsol as an LP file and as free MPS, as a modelling tool
// would. zep must read each file or refuse it with a clear reason; each
// one it solves must have glpsol's outcome and objective (where glpsol's
// exact simplex agrees with its own), its check proving the answer. The
// table printed at the end is the README's.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "check/verify.h"
#include "differential.h"
#include "glpsol.h"

namespace {

namespace fs = std::filesystem;
using zep::detail::testing::Answer;

const fs::path examples = "/usr/share/doc/glpk-utils/examples";

// A model file and how glpsol reads it.
struct ModelFile {
    fs::path path;
    std::string glpsolFormat; // --lp, --mps or --freemps
    std::string source;       // the table's row
};

// The refusals zep gives for what it cannot hold, by their wording; any
// other refusal is not a clear reason.
const std::vector<std::pair<std::regex, std::string>> reasons = {
    {std::regex("integer variables"), "integer variables"},
    {std::regex("binary variables"), "binary variables"},
    {std::regex("more than 30 constraints"), "more than 30 constraints"},
    {std::regex("more than 50 (variables|columns)"), "more than 50 variables"},
    {std::regex("MAX DIMENSIONS EXCEEDED"),
     "more than 50 columns with the slack, surplus and artificial ones"},
    {std::regex("a second objective \\(N\\) row"), "a second N row (a free row)"},
    {std::regex("must begin with Maximize or Minimize"),
     "no objective (glpsol writes an empty model)"},
};

// zep's refusal line, or "" where it solved the model.
std::string refusalOf(const std::string& output) {
    std::smatch m;
    std::regex line("(LP format input error|MPS input error)[^\n]*|MAX DIMENSIONS EXCEEDED[^\n]*");
    return std::regex_search(output, m, line) ? m.str() : "unrecognised: " + output;
}

std::vector<ModelFile> shippedFiles() {
    std::vector<ModelFile> files;
    for (const auto& f : fs::directory_iterator(examples)) {
        std::string ext = f.path().extension();
        if (ext == ".lp") files.push_back({f.path(), "--lp", "shipped LP files"});
        if (ext == ".mps") files.push_back({f.path(), "--mps", "shipped MPS files (fixed)"});
    }
    return files;
}

// Each MathProg model, with its data file where one of the same name
// stands beside it, translated in its own folder (some read tables there).
std::vector<ModelFile> translatedFiles(const fs::path& dir, int& models, int& untranslated) {
    std::vector<ModelFile> files;
    for (const auto& f : fs::recursive_directory_iterator(examples)) {
        if (f.path().extension() != ".mod") continue;
        models++;
        fs::path data = f.path();
        data.replace_extension(".dat");
        std::string name = f.path().stem().string();
        fs::path lp = dir / (name + ".lp"), mps = dir / (name + ".mps");
        std::string cmd = "cd '" + f.path().parent_path().string() +
                          "' && timeout 120 glpsol -m '" + f.path().string() + "'" +
                          (fs::exists(data) ? " -d '" + data.string() + "'" : "") +
                          " --check --wlp '" + lp.string() + "' --wfreemps '" + mps.string() +
                          "' >/dev/null 2>&1";
        if (std::system(cmd.c_str()) != 0 || !fs::exists(lp) || !fs::exists(mps)) {
            std::printf("glpsol cannot translate %s\n", f.path().c_str());
            untranslated++;
            continue;
        }
        files.push_back({lp, "--lp", "MathProg models, as glpsol --wlp writes them"});
        files.push_back({mps, "--freemps", "MathProg models, as glpsol --wfreemps writes them"});
    }
    return files;
}

struct Row {
    int files = 0, solved = 0, agreed = 0;
    std::map<std::string, int> refused;
};

TEST(OtherProjects, GlpkExamplesAreReadOrRefusedAndSolvedAsGlpsolSolvesThem) {
    if (!fs::exists(examples)) GTEST_SKIP() << examples << " is absent: install glpk-utils";
    if (std::system("command -v glpsol >/dev/null 2>&1") != 0) GTEST_SKIP() << "glpsol not found";
    fs::path dir = fs::temp_directory_path() / ("zep-glpk-" + std::to_string(getpid()));
    fs::create_directories(dir);
    int models = 0, untranslated = 0;
    std::vector<ModelFile> files = shippedFiles();
    for (ModelFile& f : translatedFiles(dir, models, untranslated)) files.push_back(f);
    std::sort(files.begin(), files.end(),
              [](const ModelFile& a, const ModelFile& b) { return a.path < b.path; });
    std::map<std::string, Row> table;
    fs::path sol = dir / "model.sol";
    for (const ModelFile& f : files) {
        SCOPED_TRACE(f.path.string());
        Row& row = table[f.source];
        row.files++;
        zep::detail::testing::SolveRun run = zep::detail::testing::solveFile(f.path.string());
        if (run.status != -1) {
            std::string refusal = refusalOf(run.output);
            auto known = std::find_if(reasons.begin(), reasons.end(), [&](const auto& r) {
                return std::regex_search(refusal, r.first);
            });
            EXPECT_NE(known, reasons.end()) << "no clear reason: " << refusal;
            row.refused[known == reasons.end() ? refusal : known->second]++;
            continue;
        }
        row.solved++;
        const zep::detail::Store& s = *run.store;
        zep::detail::ExactTableau e;
        EXPECT_NE(zep::detail::prove_outcome(s, e), zep::detail::Proof::none) << run.output;
        std::string input = f.glpsolFormat + " '" + f.path.string() + "'";
        Answer plain = zep::detail::testing::glpsolOn(input, sol, "");
        Answer exact = zep::detail::testing::glpsolOn(input, sol, "--exact");
        if (plain.status == "UNKNOWN" || !zep::detail::testing::sameVerdict(plain, exact)) {
            std::printf("not compared, glpsol's answers differ: %s\n", f.path.c_str());
            continue;
        }
        // In MPS, glpsol takes an RHS entry on the objective row as the
        // constant and zep as minus the constant: the two objectives part
        // by twice zep's constant.
        double constant = f.glpsolFormat == "--lp" ? 0 : 2 * s.model.obj_const;
        double objective = -s.model.z_mult * s.tab.a_mat[0][0] - constant;
        EXPECT_EQ(zep::detail::testing::statusName(s.engine.end_stat), exact.status);
        if (exact.status == "OPTIMAL") {
            EXPECT_NEAR(objective, exact.objective,
                        1e-9 * std::fmax(1, std::fabs(exact.objective)));
        }
        row.agreed++;
    }
    fs::remove_all(dir);
    std::printf("%d MathProg models, %d that glpsol cannot translate\n", models, untranslated);
    std::printf("| models | files | read and solved (as glpsol) | refused, and why |\n");
    for (const auto& [source, row] : table) {
        std::string why;
        for (const auto& [reason, count] : row.refused)
            why += (why.empty() ? "" : "; ") + std::to_string(count) + " " + reason;
        std::printf("| %s | %d | %d (%d) | %s |\n", source.c_str(), row.files, row.solved,
                    row.agreed, why.empty() ? "none" : why.c_str());
    }
    EXPECT_GT(table["shipped MPS files (fixed)"].solved, 0);
}

} // namespace
