// zep-solve on either form: which form a file is taken to be, and that the
// two forms of every stored model give the same output from the
// "Processing" line on, with every report and trace switched on in turn.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "driver/solve.h"
#include "input/form.h"
#include "support.h"

namespace {

namespace fs = std::filesystem;
using zep::detail::ModelForm;
using zep::detail::testing::Harness;

struct FormCase {
    const char* text;
    ModelForm form;
};

class FormOfFile : public ::testing::TestWithParam<FormCase> {};

// The form is told from the start of the file, which is then read again
// from its first byte.
TEST_P(FormOfFile, IsToldByTheWordAfterTheSenseWord) {
    Harness h(GetParam().text);
    EXPECT_EQ(zep::detail::modelForm(h.store()), GetParam().form);
    std::string again;
    for (int c; (c = std::fgetc(h.store().luin)) != EOF;) again += static_cast<char>(c);
    EXPECT_EQ(again, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormOfFile,
    ::testing::Values(
        FormCase{"", ModelForm::matrix}, FormCase{" \n\t", ModelForm::matrix},
        FormCase{"MAX", ModelForm::matrix}, FormCase{"MAX 2 2 X Y", ModelForm::matrix},
        FormCase{"max\n+2\n", ModelForm::matrix},
        // Out of range is still a count: the matrix reader says what is wrong.
        FormCase{"MAX 51 2", ModelForm::matrix}, FormCase{"MAX -1 2", ModelForm::matrix},
        FormCase{"\xEF\xBB\xBF MAX 2 2", ModelForm::matrix},
        FormCase{"MAX PROFIT) 2X", ModelForm::algebraic},
        FormCase{"MAX 2X + 3Y", ModelForm::algebraic}, FormCase{"MAX 2.5 2", ModelForm::algebraic},
        FormCase{"MAX two 2", ModelForm::algebraic},
        FormCase{"\xEF\xBB\xBFMAX P) X", ModelForm::algebraic}));

TEST(FormOfFile, AStreamThatCannotGoBackIsReadWhole) {
    Harness h;
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    const std::string text = "MAX P) 2X C1) X <= 4\n";
    ASSERT_EQ(write(ends[1], text.data(), text.size()), static_cast<ssize_t>(text.size()));
    close(ends[1]);
    std::fclose(h.store().luin);
    h.store().luin = fdopen(ends[0], "r");
    EXPECT_EQ(zep::detail::modelForm(h.store()), ModelForm::algebraic);
    std::string again;
    for (int c; (c = std::fgetc(h.store().luin)) != EOF;) again += static_cast<char>(c);
    EXPECT_EQ(again, text);
}

using zep::detail::testing::solveText;

TEST(AlgebraicSolve, EchoesThenAnnouncesTheModelOnALineOfItsOwn) {
    std::string out = solveText("MAX P) 2X C1) X <= 4", "m.lp", "");
    EXPECT_EQ(out.rfind("MAX P) 2X C1) X <= 4\nProcessing 1 variables and 1 constraints from "
                        "file m.lp\n",
                        0),
              0u)
        << out;
}

// The part of a run's output from its "Processing" line on, that line
// checked and left out, since it names the file.
std::string fromProcessing(const std::string& out, const std::string& file) {
    std::size_t at = out.find("Processing ");
    if (at == std::string::npos) return "no Processing line in:\n" + out;
    std::size_t eol = out.find('\n', at);
    std::string line = out.substr(at, eol - at);
    if (line.size() < file.size() || line.compare(line.size() - file.size(), file.size(), file))
        return "Processing line names another file: " + line;
    return out.substr(eol + 1);
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> modelsWithBothForms() {
    std::vector<std::string> bases;
    for (const char* dir : {"tests/corpus", "tests/corpus-wide", "examples"})
        for (const auto& entry : fs::directory_iterator(fs::path(ZEP_SOURCE_DIR) / dir)) {
            fs::path mat = entry.path();
            if (mat.extension() != ".mat") continue;
            fs::path lp = fs::path(mat).replace_extension(".lp");
            if (fs::exists(lp)) bases.push_back(std::string(dir) + "/" + mat.stem().string());
        }
    std::sort(bases.begin(), bases.end());
    return bases;
}

class BothForms : public ::testing::TestWithParam<std::string> {};

TEST_P(BothForms, GiveTheSameOutputFromTheProcessingLineOn) {
    std::string mat = GetParam() + ".mat";
    std::string lp = GetParam() + ".lp";
    std::string mat_text = readFile(fs::path(ZEP_SOURCE_DIR) / mat);
    std::string lp_text = readFile(fs::path(ZEP_SOURCE_DIR) / lp);
    for (const char* options : {"", "rf", "tx"}) {
        SCOPED_TRACE(std::string("options ") + options);
        std::string from_lp = solveText(lp_text, lp.c_str(), options);
        ASSERT_EQ(from_lp.rfind(lp_text, 0), 0u) << "the algebraic model is echoed first";
        EXPECT_EQ(fromProcessing(from_lp, lp),
                  fromProcessing(solveText(mat_text, mat.c_str(), options), mat));
    }
}

std::string caseName(const ::testing::TestParamInfo<std::string>& param) {
    std::string name = param.param;
    std::replace_if(
        name.begin(), name.end(), [](char c) { return !std::isalnum(c); }, '_');
    return name;
}

INSTANTIATE_TEST_SUITE_P(Models, BothForms, ::testing::ValuesIn(modelsWithBothForms()), caseName);

TEST(BothFormsCoverage, EveryStoredCorpusHasItsTwins) {
    std::vector<std::string> bases = modelsWithBothForms();
    for (const char* dir : {"tests/corpus/", "tests/corpus-wide/", "examples/"})
        EXPECT_GE(std::count_if(bases.begin(), bases.end(),
                                [&](const std::string& b) { return b.rfind(dir, 0) == 0; }),
                  10)
            << dir;
}

} // namespace
