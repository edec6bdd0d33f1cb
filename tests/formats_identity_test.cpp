// Every matrix-form model of the project, written in the LP format and in
// MPS by zep-convert's writer, solves to the same output byte for byte
// from the "Processing" line on, with every report and trace on in turn.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "differential.h"
#include "input/matrix.h"
#include "reports/model_writer.h"
#include "support.h"

namespace {

namespace fs = std::filesystem;
using zep::detail::ModelForm;
using zep::detail::testing::Harness;
using zep::detail::testing::solveText;

// The model of a matrix-form text written in another form, or "" when the
// matrix reader refuses it or the form cannot hold it.
std::string rewritten(const std::string& mat, ModelForm to) {
    Harness h(mat);
    zep::detail::initParam(h.store());
    char why[160];
    if (h.run(zep::detail::generate2) != -1 ||
        !zep::detail::writable(h.store(), to, why, sizeof why))
        return "";
    char* text = nullptr;
    std::size_t size = 0;
    std::FILE* out = h.store().out;
    h.store().out = open_memstream(&text, &size);
    zep::detail::writeModel(h.store(), to);
    std::fclose(h.store().out);
    h.store().out = out;
    std::string result(text, size);
    std::free(text);
    return result;
}

std::vector<std::string> matrixModels() {
    std::vector<std::string> paths;
    for (const char* dir : {"tests/corpus", "tests/corpus-wide", "examples"})
        for (const auto& entry : fs::directory_iterator(fs::path(ZEP_SOURCE_DIR) / dir))
            if (entry.path().extension() == ".mat") paths.push_back(entry.path().string());
    std::sort(paths.begin(), paths.end());
    return paths;
}

TEST(FormatsIdentity, EveryMatrixModelSolvesAlikeInTheLpFormatAndMps) {
    int compared = 0;
    for (const std::string& path : matrixModels()) {
        std::string mat = zep::detail::testing::readFile(path);
        std::string lp = rewritten(mat, ModelForm::lp);
        if (lp.empty()) continue;
        std::string mps = rewritten(mat, ModelForm::mps);
        for (const char* options : {"", "rf", "tx"}) {
            SCOPED_TRACE(path + " with options '" + options + "'");
            std::string want = solveText(mat, "model", options);
            EXPECT_EQ(solveText(lp, "model", options), want) << lp;
            EXPECT_EQ(solveText(mps, "model", options), want) << mps;
        }
        compared++;
    }
    EXPECT_GT(compared, 100);
}

} // namespace
