#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "driver/cmdline.h"
#include "store/failure.h"
#include "support.h"

namespace {

using zep::detail::testing::Harness;

struct ArgCase {
    std::vector<std::string> args;
    int result;
    int echo, inputMatrix, last_tableau, show_range, debug, show_exchanges, dispModel;
    const char* output_start;
};

// getArg's result; 0 for a run ended early without an error (--help,
// --version), minus the status for one ended by an error.
int callGetArg(Harness& h, std::vector<std::string> args) {
    args.insert(args.begin(), "zep");
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    if (h.store().luin) std::fclose(h.store().luin);
    h.store().luin = nullptr;
    int result = 0;
    try {
        result = zep::detail::getArg(h.store(), static_cast<int>(argv.size()), argv.data());
    } catch (const zep::detail::ProcessEnd&) {
        result = 0;
    } catch (const zep::detail::Failure& f) {
        result = -f.status;
    }
    if (!h.store().luin) h.store().luin = std::tmpfile(); // the harness closes it
    return result;
}

class GetArgOptions : public ::testing::TestWithParam<ArgCase> {};

TEST_P(GetArgOptions, SetsSwitchesAndReportsUnknownLetters) {
    const ArgCase& c = GetParam();
    Harness h;
    EXPECT_EQ(callGetArg(h, c.args), c.result);
    zep::detail::Store& s = h.store();
    EXPECT_EQ(s.opt.echo, c.echo);
    EXPECT_EQ(s.opt.inputMatrix, c.inputMatrix);
    EXPECT_EQ(s.opt.last_tableau, c.last_tableau);
    EXPECT_EQ(s.opt.show_range, c.show_range);
    EXPECT_EQ(s.opt.debug, c.debug);
    EXPECT_EQ(s.opt.show_exchanges, c.show_exchanges);
    EXPECT_EQ(s.opt.dispModel, c.dispModel);
    EXPECT_EQ(h.output().rfind(c.output_start, 0), 0u) << h.output();
}

const char* banner = "\n                   *** ZEP - LINEAR PROGRAMMING ***\n\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, GetArgOptions,
    ::testing::Values(
        ArgCase{{"-EX", "examples/profit.mat"}, 1, 0, 0, 0, 0, 0, 1, 1, banner},
        ArgCase{{"-ex", "examples/profit.mat"}, 1, 0, 0, 0, 0, 0, 1, 1, banner},
        ArgCase{{"-ee", "examples/profit.mat"}, 1, 1, 0, 0, 0, 0, 0, 1, banner},
        ArgCase{{"-mm", "-m", "examples/profit.mat"}, 1, 1, 0, 0, 0, 0, 0, 0, banner},
        ArgCase{{"examples/profit.mat", "-frti"}, 1, 1, 1, 1, 1, 1, 0, 1, banner},
        ArgCase{{"-q", "examples/profit.mat"}, 1, 1, 0, 0, 0, 0, 0, 1, "Unknown option 'q'\n\n"},
        ArgCase{{"-Q", "examples/profit.mat"}, 1, 1, 0, 0, 0, 0, 0, 1, "Unknown option 'Q'\n\n"},
        ArgCase{{"-", "examples/profit.mat"}, 1, 1, 0, 0, 0, 0, 0, 1, banner},
        // A missing file ends the run with status 1.
        ArgCase{{"-i"}, -1, 1, 1, 0, 0, 0, 0, 1, "Data file  not found\n"},
        ArgCase{{"examples/"}, -1, 1, 0, 0, 0, 0, 0, 1, "Data file examples/ not found\n"},
        // Long options are whole arguments that end the run where they stand.
        ArgCase{{"--version", "examples/profit.mat"}, 0, 1, 0, 0, 0, 0, 0, 1, "zep 1.0.0\n"},
        ArgCase{{"-x", "--help", "-r"}, 0, 1, 0, 0, 0, 0, 1, 1, "Usage: zep [-OPTIONS] FILE\n"},
        ArgCase{{"--no-warnings", "examples/profit.mat"}, 1, 1, 0, 0, 0, 0, 0, 1, banner},
        // Any other word that starts with "--" is refused by name, never read
        // as letters.
        ArgCase{{"--x", "examples/profit.mat"}, -1, 1, 0, 0, 0, 0, 0, 1, ""},
        ArgCase{{"--ranges", "examples/profit.mat"}, -1, 1, 0, 0, 0, 0, 0, 1, ""}));

TEST(GetArg, LastOfTwoFileNamesIsOpened) {
    Harness h;
    EXPECT_EQ(callGetArg(h, {"examples/no-such-file", "examples/profit.mat"}), 1);
    EXPECT_STREQ(h.store().file_name, "examples/profit.mat");
    EXPECT_EQ(std::fgetc(h.store().luin), 'M');
}

TEST(GetArg, NameThatDoesNotFitTheBufferIsRefused) {
    Harness h;
    std::string fits(99, 'x'), too_long(100, 'x');
    EXPECT_EQ(callGetArg(h, {fits}), -1);
    EXPECT_EQ(h.output(), "Data file " + fits + " not found\n");
    Harness h2;
    EXPECT_EQ(callGetArg(h2, {too_long}), -1);
    EXPECT_EQ(h2.output(), "Data file name longer than 99 characters\n");
}

TEST(GetArg, NoWarningsTurnsTheNotesOff) {
    Harness h;
    EXPECT_EQ(callGetArg(h, {"--no-warnings", "examples/profit.mat"}), 1);
    EXPECT_EQ(h.store().diag.warnings, 0);
    EXPECT_STREQ(h.store().diag.file, "examples/profit.mat");
}

TEST(GetArg, HelpNamesEachProgram) {
    for (const char* program : {"zep", "zep-solve", "zep-parse"}) {
        Harness h;
        std::strcpy(h.store().diag.program, program);
        EXPECT_EQ(callGetArg(h, {"--help"}), 0);
        std::string text = h.output();
        EXPECT_EQ(text.rfind(std::string("Usage: ") + program + " [-OPTIONS] FILE\n", 0), 0u);
        for (const char* letter : {"  e  ", "  f  ", "  i  ", "  m  ", "  r  ", "  t  ", "  x  ",
                                   "--no-warnings", "255", "man "})
            EXPECT_NE(text.find(letter), std::string::npos) << program << ": " << letter;
    }
}

TEST(GetArg, NoArgumentsPrintsUsageOnly) {
    Harness h;
    EXPECT_EQ(callGetArg(h, {}), 0);
    EXPECT_EQ(h.output().rfind("           Z E P -- Linear Programming\n", 0), 0u);
    EXPECT_EQ(h.output().find("Data file"), std::string::npos);
}

} // namespace
