// Telling the forms apart: every model file of the project keeps the form
// it is read in today, and the LP format and MPS are known by their marks.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "input/form.h"
#include "support.h"

namespace {

namespace fs = std::filesystem;
using zep::detail::ModelForm;
using zep::detail::testing::Harness;

ModelForm formOf(const std::string& text) {
    Harness h(text);
    return zep::detail::modelForm(h.store());
}

const char* formName(ModelForm f) {
    return f == ModelForm::matrix      ? "matrix"
           : f == ModelForm::algebraic ? "algebraic"
           : f == ModelForm::lp        ? "lp"
                                       : "mps";
}

// What each file of examples/ and the corpora is: the matrix form by its
// extension .mat, MPS by .mps, the LP format where the name says so, and
// every other .lp file the algebraic form, unless it holds fewer than two
// words, which zep-solve has always read as the matrix form's empty model.
ModelForm expectedForm(const fs::path& path) {
    std::string name = path.filename().string();
    std::FILE* f = std::fopen(path.c_str(), "r");
    char first[100], second[100];
    int words = std::fscanf(f, "%99s %99s", first, second);
    std::fclose(f);
    if (path.extension() == ".mat" || words < 2) return ModelForm::matrix;
    if (path.extension() == ".mps") return ModelForm::mps;
    if (name.find("cplex") != std::string::npos || name.rfind("refuse-lp-", 0) == 0 ||
        name.rfind("note-", 0) == 0)
        return ModelForm::lp;
    return ModelForm::algebraic;
}

TEST(Recognition, EveryModelFileOfTheProjectKeepsItsForm) {
    int files = 0;
    for (const char* dir : {"examples", "tests/corpus", "tests/corpus-wide"}) {
        for (const auto& entry : fs::directory_iterator(fs::path(ZEP_SOURCE_DIR) / dir)) {
            std::string ext = entry.path().extension().string();
            if (ext != ".mat" && ext != ".lp" && ext != ".mps") continue;
            std::FILE* f = std::fopen(entry.path().c_str(), "r");
            ASSERT_NE(f, nullptr);
            zep::detail::Store s;
            s.luin = f;
            ModelForm got = zep::detail::modelForm(s);
            EXPECT_STREQ(formName(got), formName(expectedForm(entry.path()))) << entry.path();
            EXPECT_EQ(std::ftell(f), 0) << "the stream moved: " << entry.path();
            std::fclose(f);
            files++;
        }
    }
    EXPECT_GT(files, 100);
}

struct Case {
    const char* text;
    ModelForm form;
};

class RecognitionCase : public ::testing::TestWithParam<Case> {};

TEST_P(RecognitionCase, ByTheFormsOwnMarks) {
    EXPECT_STREQ(formName(formOf(GetParam().text)), formName(GetParam().form)) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, RecognitionCase,
    ::testing::Values(
        Case{"", ModelForm::matrix}, Case{"MAX", ModelForm::matrix},
        Case{"MAX 2 2 X Y", ModelForm::matrix}, Case{"NAME 2 2\nX Y\n", ModelForm::matrix},
        Case{"Maximize 2", ModelForm::matrix}, Case{"* 2 2 X Y\n", ModelForm::matrix},
        Case{"MAX PROFIT) 2X + 3Y\nC1) X + Y <= 4\n", ModelForm::algebraic},
        Case{"Maximize\nPROFIT)2X\n", ModelForm::algebraic},
        Case{"MAX 2X + 3Y\nC1) X + Y <= 4\n", ModelForm::algebraic},
        Case{"NAME: x\n", ModelForm::algebraic}, Case{"Maximize\n obj: 2 x + 3 y\n", ModelForm::lp},
        Case{"\\ comment\nMinimize\n 2 x + 3 y\n", ModelForm::lp},
        Case{"Maximize\n 2 x + 3 y\nSubject To\n x + y <= 4\nEnd\n", ModelForm::lp},
        Case{"max 2 x\nst\n x <= 4\n", ModelForm::lp},
        Case{"\\ no objective\nSubject To\n c: x <= 4\n", ModelForm::lp},
        // What glpsol --wlp writes for a model with no rows or columns.
        Case{"\\* Problem: cal *\\\n\nEnd\n", ModelForm::lp},
        Case{"NAME          TESTPROB\nROWS\n", ModelForm::mps},
        Case{"* comment\n\nROWS\n N COST\n", ModelForm::mps},
        Case{"OBJSENSE MAX\nROWS\n", ModelForm::mps}, Case{"name\nrows\n", ModelForm::mps},
        Case{"  NAME X\nROWS\n", ModelForm::algebraic}));

TEST(Recognition, AnLpFormatFileThroughAPipe) {
    Harness h;
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    const std::string text = "Maximize\n obj: x\n";
    ASSERT_EQ(write(ends[1], text.data(), text.size()), static_cast<ssize_t>(text.size()));
    close(ends[1]);
    std::fclose(h.store().luin);
    h.store().luin = fdopen(ends[0], "r");
    EXPECT_EQ(zep::detail::modelForm(h.store()), ModelForm::lp);
    std::string again;
    for (int c; (c = std::fgetc(h.store().luin)) != EOF;) again += static_cast<char>(c);
    EXPECT_EQ(again, text);
}

} // namespace
