#include <gtest/gtest.h>

#include <random>
#include <string>

#include "driver/parse.h"
#include "input/grammar.h"
#include "support.h"

namespace {

using zep::detail::testing::Harness;

// Lists an algebraic model as parse does, without echo.
std::string listing(const std::string& model, void (*setup)(zep::detail::Store&) = nullptr) {
    Harness h(model);
    h.store().opt.echo = 0;
    zep::detail::initParam(h.store());
    if (setup) setup(h.store());
    EXPECT_EQ(h.run(zep::detail::parse), -1);
    return h.output();
}

TEST(Parse, ListsWhateverTheMatrixAndDisplaySwitchesSay) {
    std::string plain = listing("MIN C) X C1) X >= 1");
    std::string switched = listing("MIN C) X C1) X >= 1", [](zep::detail::Store& s) {
        s.opt.inputMatrix = 1;
        s.opt.dispModel = 0;
    });
    EXPECT_EQ(plain, "\n                           *** LP MODEL ***\n\n"
                     "Minimize C)        X\n"
                     "subject to:\n"
                     "C1)       X >= 1\n"
                     "\n");
    EXPECT_EQ(switched, plain);
}

// A random model whose coefficients are exact in single precision. The
// objective names every variable, so that the listing keeps the column
// order, and every row keeps a term, so that its listing has a left-hand side.
std::string randomModel(std::mt19937& rng) {
    std::uniform_int_distribution<int> count(1, 12), coef(-40, 40), rhs(0, 400), rel(0, 2);
    auto term = [&](bool nonzero, int j) {
        int k = coef(rng);
        if (nonzero && k == 0) k = 1;
        return " " + std::to_string(k * 0.25) + " V" + std::to_string(j);
    };
    int vars = count(rng), cons = count(rng) - 1;
    std::string text = rng() % 2 ? "MAX OBJ)" : "MIN OBJ)";
    for (int j = 1; j <= vars; j++) text += term(true, j);
    for (int r = 1; r <= cons; r++) {
        text += "\nROW" + std::to_string(r) + ")";
        for (int j = 1; j <= vars; j++) text += term(j == 1, j);
        text += std::string(" ") + "<>="[rel(rng)] + "= " + std::to_string(rhs(rng) * 0.5);
    }
    return text + "\n";
}

// The listing without its title and its "subject to:" line is a model again.
std::string asModel(std::string listed) {
    listed.erase(0, listed.find("*** LP MODEL ***\n\n") + 18);
    listed.erase(listed.find("subject to:\n"), 12);
    return listed;
}

TEST(Parse, ListedModelReadsBackAsItself) {
    std::mt19937 rng(20240611);
    int wrapped = 0;
    for (int trial = 0; trial < 200; trial++) {
        std::string model = randomModel(rng), listed = asModel(listing(model));
        wrapped += listed.find("\n        ") != std::string::npos;
        Harness first(model), again(listed);
        for (Harness* h : {&first, &again}) {
            h->store().opt.echo = 0;
            zep::detail::initParam(h->store());
            ASSERT_EQ(h->run(zep::detail::generate3), -1) << model;
        }
        const zep::detail::Store &a = first.store(), &b = again.store();
        ASSERT_EQ(a.model.num_vars, b.model.num_vars) << model;
        ASSERT_EQ(a.model.num_cons, b.model.num_cons) << model;
        EXPECT_EQ(a.model.z_mult, b.model.z_mult);
        for (int r = 0; r <= a.model.num_cons; r++) {
            EXPECT_STREQ(a.model.rname[r], b.model.rname[r]);
            EXPECT_EQ(a.tab.row_type[r], b.tab.row_type[r]) << model;
            for (int j = 0; j <= a.model.num_vars; j++) {
                EXPECT_EQ(a.tab.a_mat[r][j], b.tab.a_mat[r][j])
                    << model << "row " << r << " col " << j;
            }
        }
        for (int j = 1; j <= a.model.num_vars; j++)
            EXPECT_STREQ(a.tab.varname[j], b.tab.varname[j]);
    }
    EXPECT_GT(wrapped, 50);
}

} // namespace
