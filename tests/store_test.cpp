#include <gtest/gtest.h>

#include <memory>

#include "store/store.h"

namespace {

TEST(Store, StartValues) {
    auto s = std::make_unique<zep::Store>();
    EXPECT_EQ(s->echo, 1);
    EXPECT_EQ(s->dispModel, 1);
    EXPECT_EQ(s->eps_print, 1e-6);
    EXPECT_EQ(s->num_cons, 0);
    EXPECT_EQ(s->infinity, 0.0);
}

} // namespace
