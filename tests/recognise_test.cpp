// Telling the forms apart: every model file of the project keeps the form
// it is read in today, and the LP format and MPS are known by their marks.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "input/recognise.h"
#include "support.h"

namespace {

namespace fs = std::filesystem;
using zep::Form;
using zep::testing::Harness;

Form formOf(const std::string& text) {
    Harness h(text);
    return zep::recogniseForm(h.s());
}

const char* formName(Form f) {
    return f == Form::matrix      ? "matrix"
           : f == Form::algebraic ? "algebraic"
           : f == Form::lp        ? "lp"
                                  : "mps";
}

// What each file of examples/ and the corpora is: the matrix form by its
// extension .mat, MPS by .mps, the LP format where the name says so, and
// every other .lp file the algebraic form, unless it holds fewer than two
// words, which zep-solve has always read as the matrix form's empty model.
Form expectedForm(const fs::path& path) {
    std::string name = path.filename().string();
    std::FILE* f = std::fopen(path.c_str(), "r");
    char first[100], second[100];
    int words = std::fscanf(f, "%99s %99s", first, second);
    std::fclose(f);
    if (path.extension() == ".mat" || words < 2) return Form::matrix;
    if (path.extension() == ".mps") return Form::mps;
    if (name.find("cplex") != std::string::npos || name.rfind("refuse-lp-", 0) == 0 ||
        name.rfind("note-", 0) == 0)
        return Form::lp;
    return Form::algebraic;
}

TEST(Recognition, EveryModelFileOfTheProjectKeepsItsForm) {
    int files = 0;
    for (const char* dir : {"examples", "tests/corpus", "tests/corpus-wide"}) {
        for (const auto& entry : fs::directory_iterator(fs::path(ZEP_SOURCE_DIR) / dir)) {
            std::string ext = entry.path().extension().string();
            if (ext != ".mat" && ext != ".lp" && ext != ".mps") continue;
            std::FILE* f = std::fopen(entry.path().c_str(), "r");
            ASSERT_NE(f, nullptr);
            zep::Store s;
            s.luin = f;
            Form got = zep::recogniseForm(s);
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
    Form form;
};

class RecognitionCase : public ::testing::TestWithParam<Case> {};

TEST_P(RecognitionCase, ByTheFormsOwnMarks) {
    EXPECT_STREQ(formName(formOf(GetParam().text)), formName(GetParam().form)) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, RecognitionCase,
    ::testing::Values(Case{"", Form::matrix}, Case{"MAX", Form::matrix},
                      Case{"MAX 2 2 X Y", Form::matrix}, Case{"NAME 2 2\nX Y\n", Form::matrix},
                      Case{"Maximize 2", Form::matrix}, Case{"* 2 2 X Y\n", Form::matrix},
                      Case{"MAX PROFIT) 2X + 3Y\nC1) X + Y <= 4\n", Form::algebraic},
                      Case{"Maximize\nPROFIT)2X\n", Form::algebraic},
                      Case{"MAX 2X + 3Y\nC1) X + Y <= 4\n", Form::algebraic},
                      Case{"NAME: x\n", Form::algebraic},
                      Case{"Maximize\n obj: 2 x + 3 y\n", Form::lp},
                      Case{"\\ comment\nMinimize\n 2 x + 3 y\n", Form::lp},
                      Case{"Maximize\n 2 x + 3 y\nSubject To\n x + y <= 4\nEnd\n", Form::lp},
                      Case{"max 2 x\nst\n x <= 4\n", Form::lp},
                      Case{"\\ no objective\nSubject To\n c: x <= 4\n", Form::lp},
                      Case{"NAME          TESTPROB\nROWS\n", Form::mps},
                      Case{"* comment\n\nROWS\n N COST\n", Form::mps},
                      Case{"OBJSENSE MAX\nROWS\n", Form::mps}, Case{"name\nrows\n", Form::mps},
                      Case{"  NAME X\nROWS\n", Form::algebraic}));

TEST(Recognition, CopiesAPipeSoThatTheReaderStillFindsEveryByte) {
    zep::Store s;
    s.luin = popen("printf 'Maximize\\n obj: x\\n'", "r");
    std::FILE* pipe = s.luin;
    EXPECT_EQ(zep::recogniseForm(s), Form::lp);
    EXPECT_NE(s.luin, pipe);
    char text[32] = {};
    EXPECT_EQ(std::fread(text, 1, sizeof text - 1, s.luin), 17u);
    EXPECT_STREQ(text, "Maximize\n obj: x\n");
    pclose(pipe);
    std::fclose(s.luin);
}

} // namespace
