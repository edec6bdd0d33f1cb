// Random bounded models (bounds of every kind, objective constants, ranged
// rows) read from the LP format and MPS, converted by zep-convert to every
// form that can hold them and on again: the second trip writes the same
// bytes, and each form's model answers as the original.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <regex>
#include <sstream>
#include <string>

#include "bounded_model.h"
#include "driver/convert.h"
#include "input/form.h"
#include "model_text.h"
#include "random_model.h"
#include "reports/model_writer.h"
#include "store/failure.h"
#include "support.h"

namespace {

namespace fs = std::filesystem;
using zep::detail::ModelForm;
using zep::detail::Store;
using zep::detail::testing::Harness;
using zep::detail::testing::written;

const char* const form_words[] = {"matrix", "algebraic", "lp", "mps"};
constexpr ModelForm forms[] = {ModelForm::matrix, ModelForm::algebraic, ModelForm::lp,
                               ModelForm::mps};

int readText(Harness& h) {
    std::snprintf(h.store().file_name, sizeof h.store().file_name, "m");
    h.store().opt.echo = 0;
    zep::detail::initParam(h.store());
    return h.run(zep::detail::readModel);
}

// zep-convert's own run on a model file: its output, or "" when refused.
std::string convertFile(const fs::path& file, const char* form) {
    std::string to = std::string("--to=") + form;
    char* argv[] = {const_cast<char*>("zep-convert"), const_cast<char*>("--no-warnings"), to.data(),
                    const_cast<char*>(file.c_str())};
    auto s = std::make_unique<Store>();
    char *out = nullptr, *messages = nullptr;
    std::size_t out_size = 0, messages_size = 0;
    std::FILE* model = open_memstream(&out, &out_size);
    s->out = model;
    std::FILE* to_messages = open_memstream(&messages, &messages_size);
    bool refused = false;
    try {
        zep::detail::convertRun(*s, 4, argv, to_messages);
    } catch (const zep::detail::Failure&) {
        refused = true;
    }
    std::fclose(model);
    std::fclose(to_messages);
    if (s->luin) std::fclose(s->luin);
    std::string text = refused ? "" : std::string(out, out_size);
    std::free(out);
    std::free(messages);
    return text;
}

// The answer as zep-solve prints it, without the lines that name the file
// and say what the reader turned round (a converted model holds such a row
// already turned), and with a zero printed the same whatever its sign.
std::string answerOf(const std::string& text) {
    std::istringstream out(zep::detail::testing::solveText(text, "m", ""));
    std::string answer, line;
    while (std::getline(out, line))
        if (line.rfind("Processing ", 0) != 0 && line.rfind("Note: ", 0) != 0)
            answer += line + "\n";
    return std::regex_replace(answer, std::regex("-(0\\.0+)\\b"), " $1");
}

bool plainModel(const Store& s) {
    return zep::detail::only_non_negative(s) && s.model.obj_const == 0;
}

TEST(BoundsRoundTrip, EveryFormComesBackByteForByteAndAnswersTheSame) {
    unsigned seed = zep::detail::testing::testSeed("ZEP_BOUNDS_ROUNDTRIP_SEED", 2026);
    zep::detail::testing::RandomBounded random(seed, true);
    fs::path file = fs::temp_directory_path() / ("zep-bounds-trip-" + std::to_string(getpid()));
    int trips = 0;
    for (int k = 0; k < 300; k++) {
        zep::detail::testing::BoundedModel m = random.next();
        for (const std::string& source :
             {zep::detail::testing::boundedLp(m), zep::detail::testing::boundedMps(m)}) {
            SCOPED_TRACE("model " + std::to_string(k) + ":\n" + source);
            Harness original(source);
            if (readText(original) != -1) continue; // crossing bounds, an empty range
            std::string answer = answerOf(source);
            {
                std::FILE* f = std::fopen(file.c_str(), "w");
                std::fputs(source.c_str(), f);
                std::fclose(f);
            }
            for (int t = 0; t < 4; t++) {
                std::string once = convertFile(file, form_words[t]);
                bool canHold = forms[t] == ModelForm::lp || forms[t] == ModelForm::mps ||
                               plainModel(original.store());
                if (once.empty()) {
                    EXPECT_FALSE(canHold) << form_words[t];
                    continue;
                }
                SCOPED_TRACE(std::string("in the ") + form_words[t] + " form:\n" + once);
                EXPECT_EQ(answerOf(once), answer);
                Harness back(once);
                ASSERT_EQ(readText(back), -1) << back.output();
                for (ModelForm to : forms) {
                    char why[2 * zep::detail::long_name_size];
                    if (!zep::detail::writable(back.store(), to, why, sizeof why)) continue;
                    std::string again = written(back.store(), to);
                    Harness third(again);
                    ASSERT_EQ(readText(third), -1) << third.output() << again;
                    EXPECT_EQ(written(third.store(), to), again);
                    trips++;
                }
            }
        }
    }
    fs::remove(file);
    EXPECT_GT(trips, 1000);
}

} // namespace
