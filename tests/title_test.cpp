// The centred title of the banner and the reports.
#include <gtest/gtest.h>

#include "reports/title.h"
#include "support.h"

namespace {

using zep::detail::testing::Harness;

struct TitleCase {
    const char* title;
    int width;
    const char* expected;
};

class CentredTitle : public ::testing::TestWithParam<TitleCase> {};

TEST_P(CentredTitle, IndentsByHalfTheSpareWidth) {
    Harness h;
    zep::detail::ctitle(h.store(), GetParam().title, GetParam().width);
    EXPECT_EQ(h.output(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, CentredTitle,
                         ::testing::Values(TitleCase{"ABCD", 9, "\n  ABCD\n\n"},
                                           TitleCase{"ABCD", 8, "\n  ABCD\n\n"},
                                           TitleCase{"ABCD", 4, "\nABCD\n\n"},
                                           TitleCase{"ABCDEF", 4, "\nABCDEF\n\n"}));

} // namespace
