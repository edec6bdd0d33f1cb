// zep-convert: every form written reads back as the same model, the
// refusals of what a form cannot hold, and the command line.
#include <gtest/gtest.h>

#include <cstring>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "driver/convert.h"
#include "input/form.h"
#include "input/matrix.h"
#include "model_text.h"
#include "random_model.h"
#include "reports/model_writer.h"
#include "store/failure.h"
#include "support.h"

namespace {

using zep::detail::ModelForm;
using zep::detail::testing::Harness;
using zep::detail::testing::written;

// Reads the text as zep-convert does, by the form it recognises.
int readBack(Harness& h, ModelForm& form) {
    std::snprintf(h.store().file_name, sizeof h.store().file_name, "back");
    h.store().opt.echo = 0;
    zep::detail::initParam(h.store());
    form = zep::detail::modelForm(h.store());
    return h.run(zep::detail::readModel);
}

void expectSameModel(const zep::detail::Store& a, const zep::detail::Store& b) {
    EXPECT_EQ(a.model.z_mult, b.model.z_mult);
    ASSERT_EQ(a.model.num_vars, b.model.num_vars);
    ASSERT_EQ(a.model.num_cons, b.model.num_cons);
    EXPECT_EQ(b.tab.nnames, b.model.num_vars);
    for (int j = 1; j <= a.model.num_vars; j++)
        EXPECT_STREQ(a.tab.varname[j], b.tab.varname[j]) << j;
    for (int r = 0; r <= a.model.num_cons; r++) {
        EXPECT_STREQ(a.model.rname[r], b.model.rname[r]) << r;
        for (int j = 0; j <= a.model.num_vars; j++)
            EXPECT_EQ(a.tab.a_mat[r][j], b.tab.a_mat[r][j]) << r << "," << j;
        if (r == 0) continue;
        EXPECT_EQ(a.tab.row_type[r], b.tab.row_type[r]) << r;
        EXPECT_EQ(a.model.rrhs[r], b.model.rrhs[r]) << r;
    }
}

const char* form_names[] = {"matrix", "algebraic", "lp", "mps"};

TEST(ConvertRoundTrip, EveryFormReadsBackAsTheSameModel) {
    zep::detail::testing::RandomModels random(
        zep::detail::testing::testSeed("ZEP_ROUNDTRIP_SEED", 14));
    for (int k = 0; k < 300; k++) {
        auto model = std::make_unique<zep::detail::Store>();
        random.fill(*model, 20, 30);
        for (ModelForm to :
             {ModelForm::matrix, ModelForm::algebraic, ModelForm::lp, ModelForm::mps}) {
            char why[160];
            ASSERT_TRUE(zep::detail::writable(*model, to, why, sizeof why)) << why;
            std::string text = written(*model, to);
            SCOPED_TRACE(std::string("model ") + std::to_string(k) + " in the " +
                         form_names[static_cast<int>(to)] + " form:\n" + text);
            Harness h(text);
            ModelForm found;
            ASSERT_EQ(readBack(h, found), -1) << h.output();
            EXPECT_EQ(found, to);
            expectSameModel(*model, h.store());
        }
    }
}

TEST(ConvertRoundTrip, LongRowsWrapAndStillReadBack) {
    auto model = std::make_unique<zep::detail::Store>();
    zep::detail::initParam(*model);
    model->model.num_vars = 40;
    model->model.num_cons = 1;
    model->model.z_mult = 1;
    std::snprintf(model->model.rname[0], zep::detail::label_size, "COST");
    std::snprintf(model->model.rname[1], zep::detail::label_size, "ALL");
    for (int j = 1; j <= 40; j++) {
        std::snprintf(model->tab.varname[j], zep::detail::name_size, "E%d", j);
        model->tab.a_mat[0][j] = -1.0 / j;
        model->tab.a_mat[1][j] = j % 3 == 0 ? 0 : 1;
    }
    model->tab.row_type[1] = -1;
    model->model.rrhs[1] = model->tab.a_mat[1][0] = 1e-7;
    for (ModelForm to : {ModelForm::algebraic, ModelForm::lp}) {
        std::string text = written(*model, to);
        for (std::size_t at = 0, end; (end = text.find('\n', at)) != std::string::npos;
             at = end + 1)
            EXPECT_LE(end - at, 78u) << text.substr(at, end - at);
        Harness h(text);
        ModelForm found;
        ASSERT_EQ(readBack(h, found), -1) << h.output() << text;
        expectSameModel(*model, h.store());
    }
}

struct Unwritable {
    const char* matrix;
    ModelForm to;
    const char* why;
};

class ConvertRefusal : public ::testing::TestWithParam<Unwritable> {};

TEST_P(ConvertRefusal, SaysWhatTheFormCannotHold) {
    Harness h(GetParam().matrix);
    std::snprintf(h.store().file_name, sizeof h.store().file_name, "m.mat");
    zep::detail::initParam(h.store());
    ASSERT_EQ(h.run(zep::detail::generate2), -1) << h.output();
    char why[160] = {};
    EXPECT_FALSE(zep::detail::writable(h.store(), GetParam().to, why, sizeof why));
    EXPECT_STREQ(why, GetParam().why);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConvertRefusal,
    ::testing::Values(
        Unwritable{"MIN 1 0 2X Z 1", ModelForm::lp,
                   "the variable name 2X cannot be written in the LP format"},
        Unwritable{"MIN 1 0 X END 1", ModelForm::lp,
                   "the row label END cannot be written in the LP format"},
        Unwritable{"MIN 1 0 A:B Z 1", ModelForm::lp,
                   "the variable name A:B cannot be written in the LP format"},
        Unwritable{"MIN 1 0 LONGERTHAN8 Z 1", ModelForm::algebraic,
                   "the variable name LONGERTHAN8 cannot be written in the algebraic form"},
        Unwritable{"MIN 1 0 X_1 Z 1", ModelForm::algebraic,
                   "the variable name X_1 cannot be written in the algebraic form"},
        Unwritable{"MIN 1 0 X Z 1e-120", ModelForm::algebraic,
                   "a number of row Z has over 99 digits, more than the algebraic form reads"},
        Unwritable{"MIN 0 1 Z C <= 1", ModelForm::lp,
                   "a constraint without variables cannot be written in the LP format"}));

TEST(ConvertRefusal, MpsAndTheMatrixFormHoldEveryModelZepReads) {
    Harness h("MIN 0 1 Z C <= 1");
    zep::detail::initParam(h.store());
    ASSERT_EQ(h.run(zep::detail::generate2), -1);
    char why[160];
    EXPECT_TRUE(zep::detail::writable(h.store(), ModelForm::mps, why, sizeof why));
    EXPECT_TRUE(zep::detail::writable(h.store(), ModelForm::matrix, why, sizeof why));
}

// One run of zep-convert with its model output and its messages apart.
struct ConvertRun {
    int status;
    std::string out, messages;
};

ConvertRun convert(std::initializer_list<const char*> args) {
    std::vector<char*> argv{const_cast<char*>("zep-convert")};
    for (const char* a : args) argv.push_back(const_cast<char*>(a));
    auto s = std::make_unique<zep::detail::Store>();
    std::strcpy(s->diag.program, "zep-convert");
    char *out = nullptr, *messages = nullptr;
    std::size_t out_size = 0, messages_size = 0;
    std::FILE* model = open_memstream(&out, &out_size);
    s->out = model;
    std::FILE* to_messages = open_memstream(&messages, &messages_size);
    ConvertRun run{-1, "", ""};
    try {
        zep::detail::convertRun(*s, static_cast<int>(argv.size()), argv.data(), to_messages);
    } catch (const zep::detail::ProcessEnd& end) {
        run.status = end.status;
    } catch (const zep::detail::Failure& f) {
        run.status = f.status;
        zep::detail::printFailure(*s, f, to_messages);
    }
    std::fclose(model);
    std::fclose(to_messages);
    if (s->luin) std::fclose(s->luin);
    run.out.assign(out, out_size);
    run.messages.assign(messages, messages_size);
    std::free(out);
    std::free(messages);
    return run;
}

TEST(ConvertCommandLine, HelpVersionAndMisuse) {
    ConvertRun help = convert({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: zep-convert --to=FORM filename\n", 0), 0u);
    ConvertRun version = convert({"--to=lp", "--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("zep ", 0), 0u);
    struct Misuse {
        std::initializer_list<const char*> args;
        const char* message;
    };
    const Misuse misuses[] = {
        {{"examples/profit.lp"}, "zep-convert: error: the form to write is missing (--to=FORM)\n"},
        {{"--to=xml", "examples/profit.lp"},
         "zep-convert: error: unknown form 'xml' (lp, mps, matrix or algebraic)\n"},
        {{"--to=lp"}, "zep-convert: error: the model file is missing\n"},
        {{"--to=lp", "-x", "examples/profit.lp"}, "zep-convert: error: unknown option '-x'\n"},
        {{"--to=lp", "a.lp", "b.lp"}, "zep-convert: error: more than one file name ('b.lp')\n"},
        {{"examples/profit.lp", "--to"},
         "zep-convert: error: --to needs a form (lp, mps, matrix or algebraic)\n"},
        {{"--to", "xml", "examples/profit.lp"},
         "zep-convert: error: unknown form 'xml' (lp, mps, matrix or algebraic)\n"},
    };
    for (const Misuse& m : misuses) {
        ConvertRun run = convert(m.args);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.messages, std::string(m.message) + "Try 'zep-convert --help'.\n");
    }
    ConvertRun missing = convert({"--to=lp", "examples/no-such-model"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.messages,
              "zep-convert: error: cannot open examples/no-such-model: No such file or "
              "directory\n");
}

TEST(ConvertCommandLine, TheFormMayFollowAfterABlank) {
    ConvertRun joined = convert({"--to=lp", "examples/profit.mat"});
    ConvertRun apart = convert({"--to", "lp", "examples/profit.mat"});
    EXPECT_EQ(apart.status, -1);
    EXPECT_EQ(apart.out, joined.out);
    EXPECT_EQ(apart.out.rfind("Maximize\n", 0), 0u) << apart.out;
}

TEST(ConvertCommandLine, TheModelAloneGoesToTheOutput) {
    ConvertRun run = convert({"--to=matrix", "examples/note-negative-rhs.lp"});
    EXPECT_EQ(run.status, -1);
    EXPECT_EQ(run.out, "MIN 2 3\nX Y\nCOST 1 1\nCAP 1 1 <= 2\nNEEDX 1 0 >= 5\nNEEDY 0 1 >= 4\n");
    EXPECT_NE(run.messages.find("Note: row NEEDX had a negative right-hand side"),
              std::string::npos);
    ConvertRun refused = convert({"--to=lp", "examples/refuse-mps-integer-bound.mps"});
    EXPECT_EQ(refused.status, 255);
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(refused.messages,
              "MPS input error, line 11: integer variables (bound type UI) are not supported\n"
              "examples/refuse-mps-integer-bound.mps:11: error: integer variables (bound type "
              "UI) are not supported\n");
}

} // namespace
