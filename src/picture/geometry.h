// The geometry of a two-variable model, in exact arithmetic: the lines of
// its constraints, the vertices of its feasible region, the vertices the
// simplex visited and where it ended. The SVG writer only draws it.
#pragma once

#include <gmpxx.h>

#include <string>
#include <vector>

#include "simplex/steps.h"
#include "store/store.h"

namespace zep::detail {

struct Point {
    mpq_class x, y;
    bool operator==(const Point&) const = default;
};

// a x + b y <= rhs (relation +1), >= rhs (-1) or = rhs (0).
struct HalfPlane {
    mpq_class a, b, rhs;
    int relation;
    bool holds(const Point& p) const;
};

// A point of the simplex's path: where the basis after `step` steps stands
// (step 0 is the starting basis), and the phase that step belongs to.
struct PathPoint {
    Point at;
    int phase;
    int step;
};

struct Geometry {
    std::string x_name, y_name, objective_label;
    bool maximize = false;
    mpq_class cx, cy;                // the objective's coefficients as written
    std::vector<HalfPlane> rows;     // the constraints, in row order
    std::vector<std::string> labels; // their row labels
    std::vector<Point> region;       // the region's vertices around it; none when infeasible
    std::vector<PathPoint> path;
    Outcome end_stat = Outcome::optimal;
    Point optimum; // optimal: the optimum; unbounded: where the ray starts
    Point ray;     // unbounded: the direction in which the objective improves without end
};

// The vertices of the set where every half-plane holds, counter-clockwise
// around it: every point where two boundary lines cross that meets all of
// them, each once. Empty when no point meets them all.
std::vector<Point> region_vertices(const std::vector<HalfPlane>& planes);

// The half-planes of the model's constraints and of x >= 0, y >= 0.
std::vector<HalfPlane> model_planes(const Geometry& g);

// The geometry of the model in the store, solved through the given steps
// (its final basis the store's). The store must hold two variables.
Geometry model_geometry(const Store& s, const std::vector<Step>& steps);

// The part of the plane the picture shows: every vertex of the region, the
// origin and the path, with a margin; bounds exact so that the region can
// be cut at them.
struct View {
    mpq_class x0, x1, y0, y1;
};
View picture_view(const Geometry& g);

// The region cut at the view's edges: what the picture shades.
std::vector<Point> shaded_region(const Geometry& g, const View& v);

} // namespace zep::detail
