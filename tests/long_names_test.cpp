// Long names in the LP format and MPS: read whole and in their case,
// printed cut with a numbered suffix where two cuts meet, given whole in
// the library's answer and written whole by zep-convert, which writes MPS
// fixed or free as its names and numbers fit.
#include <gtest/gtest.h>

#include <zep/zep.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "input/form.h"
#include "model_text.h"
#include "random_model.h"
#include "reports/model_writer.h"
#include "support.h"

namespace {

using zep::detail::ModelForm;
using zep::detail::Store;
using zep::detail::testing::Harness;
using zep::detail::testing::written;

using Names = std::vector<std::pair<std::string, std::string>>; // as written, as printed

int readText(Harness& h) {
    std::snprintf(h.store().file_name, sizeof h.store().file_name, "m");
    h.store().opt.echo = 0;
    zep::detail::initParam(h.store());
    return h.run(zep::detail::readModel);
}

std::string repeat(char c, int n) {
    return std::string(static_cast<std::size_t>(n), c);
}

struct NameCase {
    std::string name;
    std::string text;
    Names vars;
    Names rows; // the objective first
    std::string refusal = {};
};

class LongNames : public ::testing::TestWithParam<NameCase> {};

TEST_P(LongNames, ReadWholeAndPrintedDistinct) {
    const NameCase& c = GetParam();
    Harness h(c.text);
    int status = readText(h);
    const Store& s = h.store();
    if (!c.refusal.empty()) {
        EXPECT_EQ(status, 255);
        EXPECT_NE(h.output().find(c.refusal), std::string::npos) << h.output();
        return;
    }
    ASSERT_EQ(status, -1) << h.output();
    ASSERT_EQ(s.model.num_vars, static_cast<int>(c.vars.size()));
    ASSERT_EQ(s.model.num_cons + 1, static_cast<int>(c.rows.size()));
    for (int j = 1; j <= s.model.num_vars; j++) {
        EXPECT_EQ(zep::detail::var_name(s, j), c.vars[j - 1].first) << j;
        EXPECT_STREQ(s.tab.varname[j], c.vars[j - 1].second.c_str()) << j;
    }
    for (int r = 0; r <= s.model.num_cons; r++) {
        EXPECT_EQ(zep::detail::row_name(s, r), c.rows[r].first) << r;
        EXPECT_STREQ(s.model.rname[r], c.rows[r].second.c_str()) << r;
    }
}

const std::string name255 = "v" + repeat('x', 254);
const std::string name256 = "v" + repeat('x', 255);

// Ten names that all cut to ABCDEFGHIJKL, and the written name that the
// second's printed form would take.
std::string tenAlike() {
    std::string text = "Minimize\n obj:";
    for (int i = 0; i < 10; i++) text += " + abcdefghijklmn" + std::to_string(i);
    return text + " + ABCDEFGHIJ~2x\nSubject To\nEnd\n";
}
Names tenAlikeNames() {
    Names names{{"abcdefghijklmn0", "ABCDEFGHIJKL"}};
    for (int i = 1; i < 10; i++)
        names.push_back({"abcdefghijklmn" + std::to_string(i),
                         i < 9 ? "ABCDEFGHIJ~" + std::to_string(i + 1) : "ABCDEFGHI~10"});
    names.push_back({"ABCDEFGHIJ~2x", "ABCDEFGHI~11"});
    return names;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LongNames,
    ::testing::Values(
        NameCase{
            "LpCaseKept",
            "Maximize\n Profit: 2 xVar + 3 Yvar\nSubject To\n capHours: xVar + Yvar <= 4\nEnd\n",
            {{"xVar", "XVAR"}, {"Yvar", "YVAR"}},
            {{"Profit", "PROFIT"}, {"capHours", "CAPHOURS"}}},
        NameCase{"LpNameOf255",
                 "Minimize\n c: " + name255 + "\nSubject To\n r: " + name255 + " >= 1\nEnd\n",
                 {{name255, "VXXXXXXXXXXX"}},
                 {{"c", "C"}, {"r", "R"}}},
        NameCase{"LpNameOf256",
                 "Minimize\n c: " + name256 + "\nSubject To\nEnd\n",
                 {},
                 {},
                 "the variable name " + name256 + " is longer than 255 characters"},
        NameCase{"LpLabelOf256",
                 "Minimize\n c: x\nSubject To\n " + name256 + ": x >= 1\nEnd\n",
                 {},
                 {},
                 "the row label " + name256 + " is longer than 255 characters"},
        NameCase{"LpCaseClash",
                 "Minimize\n c: longName_of_x + LONGNAME_OF_X\nSubject To\nEnd\n",
                 {},
                 {},
                 "the names longName_of_x and LONGNAME_OF_X differ only in case, which zep "
                 "does not tell apart"},
        NameCase{"LpSuffixesUpToTen", tenAlike(), tenAlikeNames(), {{"obj", "OBJ"}}},
        NameCase{"LpRowsCutAlike",
                 "Minimize\n total_cost: x\nSubject To\n total_costs_a: x >= 1\n"
                 " total_costs_b: x <= 5\n TOTAL_~2: x <= 6\nEnd\n",
                 {{"x", "X"}},
                 {{"total_cost", "TOTAL_CO"},
                  {"total_costs_a", "TOTAL_~2"},
                  {"total_costs_b", "TOTAL_~3"},
                  {"TOTAL_~2", "TOTAL_~4"}}},
        NameCase{"MpsFreeLongNames",
                 "NAME m\nROWS\n N the_objective_row\n L a_row_with_a_long_name\nCOLUMNS\n"
                 " Column_With_A_Long_Name the_objective_row 1 a_row_with_a_long_name 2\n"
                 " column_with_a_long_name2 a_row_with_a_long_name 1\n"
                 "RHS\n RHS a_row_with_a_long_name 4\nBOUNDS\n"
                 " PL BND Column_With_A_Long_Name\nENDATA\n",
                 {{"Column_With_A_Long_Name", "COLUMN_WITH_"},
                  {"column_with_a_long_name2", "COLUMN_WIT~2"}},
                 {{"the_objective_row", "THE_OBJE"}, {"a_row_with_a_long_name", "A_ROW_WI"}}},
        NameCase{"MpsObjectiveRowLast",
                 "NAME m\nROWS\n L capacity_one\n L capacity_two\n N capacity_obj\nCOLUMNS\n"
                 " x capacity_obj 1\nENDATA\n",
                 {{"x", "X"}},
                 {{"capacity_obj", "CAPACI~3"},
                  {"capacity_one", "CAPACITY"},
                  {"capacity_two", "CAPACI~2"}}},
        NameCase{"MpsNameOf256",
                 "NAME m\nROWS\n N c\nCOLUMNS\n " + name256 + " c 1\nENDATA\n",
                 {},
                 {},
                 "the variable name " + name256 + " is longer than 255 characters"},
        NameCase{"MpsCaseClash",
                 "NAME m\nROWS\n N cost\n L Cap\n L CAP\nENDATA\n",
                 {},
                 {},
                 "the names Cap and CAP differ only in case"}),
    zep::detail::testing::ByName{});

constexpr const char* long_lp = R"(Maximize
 total_profit_of_the_plan: 2 chairs_of_oak_wood + 3 chairs_of_oak_veneer
Subject To
 hours_in_the_workshop: chairs_of_oak_wood + chairs_of_oak_veneer <= 4
 hours_in_the_paint_shop: chairs_of_oak_wood + 3 chairs_of_oak_veneer <= 6
End
)";

TEST(LongNamesAnswer, GivesTheNamesWholeAndTheReportThePrintedForms) {
    zep::Model model = zep::read_model(long_lp);
    EXPECT_EQ(model.variables,
              (std::vector<std::string>{"chairs_of_oak_wood", "chairs_of_oak_veneer"}));
    EXPECT_EQ(model.objective_label, "total_profit_of_the_plan");
    zep::Answer a = zep::solve(model, {.ranging = true});
    EXPECT_EQ(a.objective, 9);
    ASSERT_EQ(a.variables.size(), 2u);
    EXPECT_EQ(a.variables[1].name, "chairs_of_oak_veneer");
    EXPECT_EQ(a.rows[1].label, "hours_in_the_paint_shop");
    EXPECT_EQ(a.rhs_ranges[0].name, "hours_in_the_workshop");
    EXPECT_EQ(a.rhs_ranges[0].upper_becomes, "chairs_of_oak_veneer");
    EXPECT_EQ(a.cost_ranges[0].upper_becomes, "SLK:HOURS_~2");
    EXPECT_NE(a.report.find(" 2. HOURS_~2  <="), std::string::npos) << a.report;
    EXPECT_NE(a.report.find("6.00 CHAIRS_OF_~2"), std::string::npos) << a.report;
    // The notes are the reading's, of the names as written, once.
    int cuts = 0;
    for (const zep::Note& n : a.notes)
        cuts += n.kind == zep::NoteKind::cut_name || n.kind == zep::NoteKind::same_cut_name;
    EXPECT_EQ(cuts, 5);
}

TEST(LongNamesAnswer, AModelInCodeKeepsItsNamesAndRefusesOnesTooLong) {
    zep::Model m;
    m.sense = zep::Sense::maximize;
    m.objective_label = "Profit";
    m.variables = {"chairs", "Tables"};
    m.objective = {30, 50};
    m.constraints = {{"wood", {2, 4}, zep::Relation::less_equal, 100}};
    zep::Answer a = zep::solve(m);
    EXPECT_EQ(a.variables[0].name, "chairs");
    EXPECT_EQ(a.variables[1].name, "Tables");
    EXPECT_EQ(a.rows[0].label, "wood");
    EXPECT_NE(a.report.find("MAX PROFIT"), std::string::npos) << a.report;
    m.variables[0] = name256;
    try {
        zep::solve(m);
        ADD_FAILURE() << "a name of 256 characters was taken";
    } catch (const zep::Error& e) {
        EXPECT_EQ(std::string(e.what()), "variable 1 of 2: the variable name " + name256 +
                                             " is longer than 255 characters");
    }
}

// Random names of 1 to 255 characters in mixed case, many sharing their
// first 12 characters, distinct without case.
std::string randomName(zep::detail::testing::RandomModels& random,
                       std::vector<std::string>& taken) {
    static const char first[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ_";
    static const char rest[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_.~";
    for (;;) {
        std::string n = random.upTo(2) == 0 ? "Shared_prefix_" : "";
        n += first[random.upTo(sizeof first - 2)];
        int len = random.upTo(3) == 0 ? random.upTo(240) : random.upTo(10);
        for (int i = 0; i < len && n.size() < 255; i++) n += rest[random.upTo(sizeof rest - 2)];
        bool clash = !zep::detail::lpName(n.c_str());
        for (const std::string& t : taken) clash = clash || strcasecmp(t.c_str(), n.c_str()) == 0;
        if (clash) continue;
        taken.push_back(n);
        return n;
    }
}

// A random model in the LP format with random long names.
std::string randomLongNamed(zep::detail::testing::RandomModels& random) {
    std::vector<std::string> vars, rows;
    int n = 1 + random.upTo(11), m = random.upTo(8);
    std::string text = random.upTo(1) ? "Maximize\n " : "Minimize\n ";
    text += randomName(random, rows) + ":";
    for (int j = 0; j < n; j++) {
        std::string name = randomName(random, vars);
        text += " + " + std::to_string(random.upTo(9)) + " " + name + "\n";
    }
    text += "Subject To\n";
    for (int r = 0; r < m; r++) {
        text += " " + randomName(random, rows) + ":";
        for (int j = 0; j < n; j++)
            if (random.upTo(1)) text += " - " + std::to_string(random.upTo(9)) + " " + vars[j];
        text += " + 0 " + vars[0] + " >= -" + std::to_string(random.upTo(9)) + "\n";
    }
    return text + "End\n";
}

TEST(LongNamesRoundTrip, LpAndMpsComeBackByteForByte) {
    zep::detail::testing::RandomModels random(
        zep::detail::testing::testSeed("ZEP_LONG_NAMES_SEED", 2020));
    for (int k = 0; k < 100; k++) {
        std::string source = randomLongNamed(random);
        SCOPED_TRACE("model " + std::to_string(k) + ":\n" + source);
        Harness first(source);
        ASSERT_EQ(readText(first), -1) << first.output();
        for (ModelForm to : {ModelForm::lp, ModelForm::mps}) {
            std::string once = written(first.store(), to);
            Harness second(once);
            ASSERT_EQ(readText(second), -1) << second.output() << once;
            const Store &a = first.store(), &b = second.store();
            for (int j = 1; j <= a.model.num_vars; j++) {
                EXPECT_STREQ(zep::detail::var_name(a, j), zep::detail::var_name(b, j));
                EXPECT_STREQ(a.tab.varname[j], b.tab.varname[j]);
            }
            for (int r = 0; r <= a.model.num_cons; r++)
                EXPECT_STREQ(zep::detail::row_name(a, r), zep::detail::row_name(b, r));
            EXPECT_EQ(written(second.store(), to), once);
        }
    }
}

// glpsol reads fixed MPS with --mps and free MPS with --freemps: zep writes
// each where its names and numbers allow.
TEST(LongNamesMps, GlpsolReadsTheFixedAndTheFreeLayout) {
    if (std::system("command -v glpsol >/dev/null 2>&1") != 0) GTEST_SKIP() << "glpsol not found";
    namespace fs = std::filesystem;
    fs::path file = fs::temp_directory_path() / ("zep-long-names-" + std::to_string(getpid()));
    struct Layout {
        const char* lp;
        bool fixed;
    };
    const Layout layouts[] = {
        {"Minimize\n cost: 2 x + 3 y\nSubject To\n c1: x + y >= 4\n c2: x + 3 y >= 6\nEnd\n", true},
        {"Minimize\n cost: 2 x + 3 y\nSubject To\n c1: x + y >= 4.000000000001\nEnd\n", false},
        {"Minimize\n cost: 2 x + 3 y\nSubject To\n capacity_1: x + y >= 4\nEnd\n", false},
        {"Minimize\n cost: 2 x + 3 y\nSubject To\n c1: x + quantity_of_y >= 4\nEnd\n", false},
    };
    for (const Layout& l : layouts) {
        Harness h(l.lp);
        ASSERT_EQ(readText(h), -1) << h.output();
        EXPECT_EQ(zep::detail::fitsFixedMps(h.store()), l.fixed) << l.lp;
        std::string mps = written(h.store(), ModelForm::mps);
        std::FILE* f = std::fopen(file.c_str(), "w");
        std::fputs(mps.c_str(), f);
        std::fclose(f);
        std::string cmd = std::string("glpsol ") + (l.fixed ? "--mps " : "--freemps ") +
                          file.string() + " >/dev/null 2>&1";
        EXPECT_EQ(std::system(cmd.c_str()), 0) << cmd << "\n" << mps;
    }
    fs::remove(file);
}

} // namespace
