// The picture's geometry, exact: the region's vertices against the model,
// the path against the bases the trace shows, and the SVG golden files.
#include <gtest/gtest.h>
#include <zep/zep.h>

#include <algorithm>
#include <filesystem>

#include "input/form.h"
#include "model_files.h"
#include "picture/geometry.h"
#include "picture/svg.h"
#include "stdform/stdform.h"
#include "support.h"

namespace {

using zep::detail::Point;
using zep::detail::Store;
using zep::detail::testing::file_text;
using zep::detail::testing::Harness;

Point at(const char* x, const char* y) {
    return {mpq_class(x), mpq_class(y)};
}

// The model's geometry after zep-solve's run on it.
zep::detail::Geometry solvedGeometry(Harness& h) {
    Store& s = h.store();
    zep::detail::initParam(s);
    s.opt.picture = 1;
    std::vector<zep::detail::Step> steps;
    EXPECT_EQ(h.run([&](Store& st) { steps = zep::detail::solve(st); }), -1);
    return zep::detail::model_geometry(s, steps);
}

bool sameSet(std::vector<Point> a, std::vector<Point> b) {
    auto less = [](const Point& p, const Point& q) {
        return p.x < q.x || (p.x == q.x && p.y < q.y);
    };
    std::sort(a.begin(), a.end(), less);
    std::sort(b.begin(), b.end(), less);
    return a == b;
}

struct RegionCase {
    const char* name;
    const char* model;
    std::vector<Point> vertices;
};

// Worked out by hand from each model's rows and x, y >= 0.
const RegionCase region_cases[] = {
    {"profit",
     "MAX P) 2X + 3Y C1) X + Y <= 4 C2) X + 3Y <= 6",
     {at("0", "0"), at("4", "0"), at("3", "1"), at("0", "2")}},
    {"thirds_and_sevenths",
     "MAX P) 4X + 3Y A) 3X + Y <= 6 B) 2X + 3Y <= 9",
     {at("0", "0"), at("2", "0"), at("9/7", "15/7"), at("0", "3")}},
    {"equality_segment",
     "MIN C) X + 2Y C1) X + Y <= 4 C2) X - Y >= 1 C3) X = 2",
     {at("2", "0"), at("2", "1")}},
    {"diet_segment",
     "MIN COST) 3X + 2Y C1) X + Y >= 4 C2) X - Y = 1 C3) Y <= 5",
     {at("5/2", "3/2"), at("6", "5")}},
    {"unbounded",
     "MAX P) X + Y C1) X - Y <= 1 C2) -X + Y <= 3",
     {at("0", "0"), at("1", "0"), at("0", "3")}},
    {"infeasible", "MIN C) X + Y CAP) X + Y <= 2 NEEDX) X >= 5 NEEDY) Y >= 4", {}},
    {"decimals", "MAX P) X + Y C1) 0.3X + 0.7Y <= 2.1", {at("0", "0"), at("7", "0"), at("0", "3")}},
};

class Region : public ::testing::TestWithParam<RegionCase> {};

TEST_P(Region, VerticesAreExactlyTheModels) {
    Harness h(GetParam().model);
    zep::detail::Geometry g = solvedGeometry(h);
    EXPECT_TRUE(sameSet(g.region, GetParam().vertices));
    EXPECT_EQ(g.region.empty(), g.end_stat == zep::Outcome::infeasible);
}

INSTANTIATE_TEST_SUITE_P(Picture, Region, ::testing::ValuesIn(region_cases),
                         zep::detail::testing::ByName());

// The path's points are the basic solutions of the bases in the trace:
// for the profit model (0,0), then Y in (0,2), then X in (3,1); for the
// diet model phase 1 moves X in at (1,0), then Y at (5/2,3/2), where
// phase 2 finds the optimum at once.
TEST(Picture, PathFollowsTheTracesBases) {
    Harness profit("MAX P) 2X + 3Y C1) X + Y <= 4 C2) X + 3Y <= 6");
    zep::detail::Geometry g = solvedGeometry(profit);
    ASSERT_EQ(g.path.size(), 3u);
    EXPECT_EQ(g.path[0].at, at("0", "0"));
    EXPECT_EQ(g.path[1].at, at("0", "2"));
    EXPECT_EQ(g.path[2].at, at("3", "1"));
    EXPECT_EQ(g.path[2].phase, 2);
    EXPECT_EQ(g.optimum, at("3", "1"));

    Harness diet("MIN COST) 3X + 2Y C1) X + Y >= 4 C2) X - Y = 1 C3) Y <= 5");
    g = solvedGeometry(diet);
    ASSERT_EQ(g.path.size(), 3u);
    EXPECT_EQ(g.path[1].at, at("1", "0"));
    EXPECT_EQ(g.path[2].at, at("5/2", "3/2"));
    for (const zep::detail::PathPoint& p : g.path) EXPECT_EQ(p.phase, 1);
    EXPECT_EQ(g.optimum, at("5/2", "3/2"));
}

// An unbounded end: the ray leaves the last vertex along the entering
// column, and the objective improves along it.
TEST(Picture, UnboundedRayImprovesTheObjective) {
    Harness h("MAX P) X + Y C1) X - Y <= 1 C2) -X + Y <= 3");
    zep::detail::Geometry g = solvedGeometry(h);
    ASSERT_EQ(g.end_stat, zep::Outcome::unbounded);
    EXPECT_GT(g.cx * g.ray.x + g.cy * g.ray.y, 0);
    for (const zep::detail::HalfPlane& row : g.rows) {
        Point far{g.optimum.x + 1000 * g.ray.x, g.optimum.y + 1000 * g.ray.y};
        EXPECT_TRUE(row.holds(far));
    }
}

// Over every two-variable model of the corpora: the region is empty
// exactly when the run ends infeasible, and an optimum is a vertex of the
// region at which no other vertex does better.
TEST(Picture, RegionAgreesWithTheSimplexOnTheCorpora) {
    int models = 0;
    for (const auto& file : zep::detail::testing::matrix_models()) {
        std::string text = file_text(file);
        Harness h(text);
        if (h.run([](Store& s) {
                zep::detail::initParam(s);
                zep::detail::readModel(s);
            }) >= 0 ||
            h.store().model.num_vars != 2)
            continue;
        Harness run(text);
        zep::detail::Geometry g = solvedGeometry(run);
        models++;
        EXPECT_EQ(g.region.empty(), g.end_stat == zep::Outcome::infeasible) << file;
        if (g.end_stat != zep::Outcome::optimal) continue;
        EXPECT_NE(std::find(g.region.begin(), g.region.end(), g.optimum), g.region.end()) << file;
        mpq_class best = g.cx * g.optimum.x + g.cy * g.optimum.y;
        for (const Point& p : g.region) {
            mpq_class value = g.cx * p.x + g.cy * p.y;
            EXPECT_TRUE(g.maximize ? value <= best : value >= best) << file;
        }
    }
    EXPECT_GT(models, 5);
}

TEST(Picture, NumbersExactWhereShort) {
    EXPECT_EQ(zep::detail::picture_number(mpq_class(7)), "7");
    EXPECT_EQ(zep::detail::picture_number(mpq_class(-5, 2)), "-2.5");
    EXPECT_EQ(zep::detail::picture_number(mpq_class(1, 8)), "0.125");
    EXPECT_EQ(zep::detail::picture_number(mpq_class(15, 7)), "15/7");
    EXPECT_EQ(zep::detail::picture_number(mpq_class(-81, 7)), "-81/7");
    EXPECT_EQ(zep::detail::picture_number(mpq_class(347597530, 9)), "38621947.778");
    EXPECT_EQ(zep::detail::picture_number(mpq_class(1, 300000)), "0.000");
}

TEST(Picture, OnlyForTwoVariables) {
    zep::Answer a = zep::solve(zep::read_model("MAX P) X C1) X <= 1"), {.picture = true});
    EXPECT_TRUE(a.picture.empty());
    EXPECT_EQ(a.picture_note, "the model has 1 variable; a picture is drawn for two");
}

// The golden pictures: examples/pictures/NAME.svg is the picture of
// examples/NAME.lp.
TEST(Picture, GoldenFiles) {
    for (const auto& entry : std::filesystem::directory_iterator("examples/pictures")) {
        if (entry.path().extension() != ".svg") continue;
        std::filesystem::path model = "examples" / entry.path().stem();
        model += ".lp";
        zep::Answer a = zep::solve(zep::read_model(file_text(model)), {.picture = true});
        EXPECT_EQ(a.picture, file_text(entry.path())) << entry.path();
    }
}

} // namespace
