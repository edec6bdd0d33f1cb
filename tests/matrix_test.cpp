#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "input/matrix.h"
#include "support.h"

namespace {

using zep::detail::testing::Harness;
using namespace std::string_view_literals;

int read(Harness& h) {
    std::snprintf(h.store().file_name, sizeof h.store().file_name, "m.mat");
    zep::detail::initParam(h.store());
    return h.run(zep::detail::generate2);
}

TEST(MatrixReader, FillsTheStoreFromTheProfitModel) {
    Harness h("MAX 2 2\nx y\nprofit 2 3\nc1 1 1 <= 4\nC2 1 3 <= 6\n");
    EXPECT_EQ(read(h), -1);
    zep::detail::Store& s = h.store();
    EXPECT_EQ(h.output(), "Processing 2 variables and 2 constraints from file m.mat\n");
    EXPECT_EQ(s.model.z_mult, -1.0);
    EXPECT_STREQ(s.model.minmax, "MAX");
    EXPECT_EQ(s.model.num_vars, 2);
    EXPECT_EQ(s.tab.nnames, 2);
    EXPECT_EQ(s.tab.last_col, 2);
    EXPECT_EQ(s.tab.last_row, 2);
    EXPECT_STREQ(s.tab.varname[1], "X");
    EXPECT_STREQ(s.model.rname[0], "PROFIT");
    EXPECT_STREQ(s.model.rname[1], "C1");
    EXPECT_EQ(s.tab.a_mat[0][2], 3.0);
    EXPECT_EQ(s.tab.a_mat[0][0], 0.0);
    EXPECT_EQ(s.tab.a_mat[2][2], 3.0);
    EXPECT_EQ(s.tab.a_mat[2][0], 6.0);
    EXPECT_EQ(s.model.rrhs[1], 4.0);
    EXPECT_EQ(s.tab.row_type[2], 1);
}

TEST(MatrixReader, LayoutOfItemsCarriesNoMeaning) {
    Harness one("MAX 2 2 X Y PROFIT 2 3 C1 1 1 <= 4 C2 1 3 <= 6");
    Harness each("MAX\n2\n2\nX\nY\nPROFIT\n2\n3\nC1\n1\n1\n<=\n4\nC2\n1\n3\n<=\n6\n");
    read(one);
    read(each);
    for (int r = 0; r <= 2; r++)
        for (int j = 0; j <= 2; j++)
            EXPECT_EQ(one.store().tab.a_mat[r][j], each.store().tab.a_mat[r][j]);
    EXPECT_EQ(one.store().tab.row_type[2], each.store().tab.row_type[2]);
}

struct SenseCase {
    const char* word;
    double z_mult;
};

class MatrixSense : public ::testing::TestWithParam<SenseCase> {};

TEST_P(MatrixSense, OnlyMaxInAnyCaseMaximises) {
    Harness h(std::string(GetParam().word) + " 0 0 P\n");
    read(h);
    EXPECT_EQ(h.store().model.z_mult, GetParam().z_mult);
    EXPECT_STREQ(h.store().model.minmax, GetParam().word);
}

INSTANTIATE_TEST_SUITE_P(Cases, MatrixSense,
                         ::testing::Values(SenseCase{"MAX", -1.0}, SenseCase{"max", -1.0},
                                           SenseCase{"Maximize", -1.0}, SenseCase{"MIN", 1.0},
                                           SenseCase{"minimize", 1.0}, SenseCase{"ma", 1.0},
                                           SenseCase{"other", 1.0}));

struct RelationCase {
    const char* word;
    int code;
};

class MatrixRelation : public ::testing::TestWithParam<RelationCase> {};

TEST_P(MatrixRelation, CodeComesFromTheFirstCharacter) {
    Harness h(std::string("MIN 1 1 X P 1 C1 1 ") + GetParam().word + " 2");
    EXPECT_EQ(read(h), -1);
    EXPECT_EQ(h.store().tab.row_type[1], GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(Cases, MatrixRelation,
                         ::testing::Values(RelationCase{"<", 1}, RelationCase{"<=", 1},
                                           RelationCase{"<<", 1}, RelationCase{">=", -1},
                                           RelationCase{"=<", 0}, RelationCase{"=", 0},
                                           RelationCase{"EQ", 0}));

TEST(MatrixReader, EmptyFileIsTheEmptyModel) {
    Harness h("  \n\t\n");
    EXPECT_EQ(read(h), -1);
    EXPECT_EQ(h.output(), "Processing 0 variables and 0 constraints from file m.mat\n");
    EXPECT_EQ(h.store().model.z_mult, 1.0);
    EXPECT_EQ(h.store().model.num_cons, 0);
    EXPECT_EQ(h.store().tab.nnames, 0);
}

struct RefusalCase {
    std::string_view text;
    const char* message;
};

class MatrixRefusal : public ::testing::TestWithParam<RefusalCase> {};

// Each refusal is one line at the end of the output and ends the run with 255.
TEST_P(MatrixRefusal, EndsWithOneLineAndStatus255) {
    Harness h{std::string(GetParam().text)};
    EXPECT_EQ(read(h), 255);
    std::string out = h.output();
    std::string line = std::string("Matrix input error: ") + GetParam().message + "\n";
    ASSERT_GE(out.size(), line.size());
    EXPECT_EQ(out.substr(out.size() - line.size()), line);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MatrixRefusal,
    ::testing::Values(
        RefusalCase{"MAX", "expected the number of variables, but the file ended"},
        RefusalCase{"MAX two 2", "expected the number of variables, found 'two'"},
        RefusalCase{"MAX 2.5 2", "expected the number of variables, found '2.5'"},
        RefusalCase{"MAX 51 2", "the number of variables must be from 0 to 50, found 51"},
        RefusalCase{"MAX 2 31", "the number of constraints must be from 0 to 30, found 31"},
        RefusalCase{"MAX 2 -1", "the number of constraints must be from 0 to 30, found -1"},
        RefusalCase{"MAX 4294967298 1",
                    "the number of variables must be from 0 to 50, found 4294967298"},
        RefusalCase{"MAXIMISATION 1 1", "the sense word is longer than 11 characters"},
        RefusalCase{"MAX 1 0 ABCDEFGHIJKLM", "variable name 1 is longer than 12 characters"},
        RefusalCase{"MAX 2 0 X x", "variable name X is given twice"},
        RefusalCase{"MAX 1 0 X ABCDEFGHI 1",
                    "the objective row's name is longer than 8 characters"},
        RefusalCase{"MAX 1 2 X P 1 C1 1 <= 4 ", "expected the name of row 2, but the file ended"},
        RefusalCase{"MAX 1 1 X P 1 C1 nan <= 4", "expected coefficient 1 of row C1, found 'nan'"},
        RefusalCase{"MAX 1 1 X P 1 C1 1 <= 4x",
                    "expected the right-hand side of row C1, found '4x'"},
        RefusalCase{"MAX 1 1 X P 1 C1 1 <=",
                    "expected the right-hand side of row C1, but the file ended"},
        RefusalCase{"MAX 1 1 X P 1 C1 1 <= -0.5", "the right-hand side of row C1 is negative"},
        RefusalCase{"MAX 1 1 X P 1 P 1 <= 1", "row name P is given twice"},
        RefusalCase{"MAX 1 1 ART:C1 P 1 C1 1 >= 1",
                    "variable name ART:C1 is also the name of an added column"},
        // A NUL byte does not end a number early, nor any other word.
        RefusalCase{"MAX 1 0 X P 3\0"
                    "8"sv,
                    "expected coefficient 1 of row P, found '3\\08'"},
        RefusalCase{"MAX 1 1\0"
                    "2 X P 1 C1 1 <= 4"sv,
                    "expected the number of constraints, found '1\\02'"},
        RefusalCase{"MAX 1 1 X P 1 C1 1 <= 4\0"sv,
                    "expected the right-hand side of row C1, found '4\\0'"},
        RefusalCase{"MAX 1 0 X\0Y P 1"sv, "variable name 1 holds a NUL byte"},
        RefusalCase{"MAX\0 1 0 X P 1"sv, "the sense word holds a NUL byte"},
        // Nothing may follow the last row: it would be left unread.
        RefusalCase{"MAX 1 1 X P 1 C1 1 <= 4 C2 1 <= 5",
                    "the file goes on after the last row: 'C2'"},
        RefusalCase{"MAX 1 0 X P 1 7", "the file goes on after the last row: '7'"}));

struct BomCase {
    std::string_view text;
    const char* minmax;
    double z_mult;
};

class MatrixByteOrderMark : public ::testing::TestWithParam<BomCase> {};

// Only a mark that opens the file is skipped; elsewhere it is part of a word.
TEST_P(MatrixByteOrderMark, IsSkippedOnlyAtTheStartOfTheFile) {
    Harness h{std::string(GetParam().text)};
    EXPECT_EQ(read(h), -1);
    EXPECT_STREQ(h.store().model.minmax, GetParam().minmax);
    EXPECT_EQ(h.store().model.z_mult, GetParam().z_mult);
    EXPECT_STREQ(h.store().tab.varname[1], "X");
}

INSTANTIATE_TEST_SUITE_P(Cases, MatrixByteOrderMark,
                         ::testing::Values(BomCase{"\xEF\xBB\xBFMAX 1 0 X P 1", "MAX", -1.0},
                                           BomCase{"\xEF\xBB\xBF\nmax 1 0 X P 1", "max", -1.0},
                                           BomCase{" \xEF\xBB\xBFMAX 1 0 X P 1", "\xEF\xBB\xBFMAX",
                                                   1.0},
                                           BomCase{"\xEF\xBBMAX 1 0 X P 1", "\xEF\xBBMAX", 1.0}));

TEST(MatrixReader, LongRelationWordIsRefusedWithoutOverflow) {
    std::string text = "MIN 1 1 X P 1 C1 1 " + std::string(100, '<') + " 2";
    Harness h(text);
    EXPECT_EQ(read(h), 255);
    EXPECT_NE(h.output().find("the relation of row C1 is longer than 99 characters"),
              std::string::npos);
}

TEST(MatrixReader, NamesThatAddedColumnsDoNotTakeAreAccepted) {
    Harness h("MIN 2 1 SLK:C1 ART:C2 P 1 1 C1 1 1 >= 1");
    EXPECT_EQ(read(h), -1);
    EXPECT_STREQ(h.store().tab.varname[1], "SLK:C1");
}

} // namespace
