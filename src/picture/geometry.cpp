#include "picture/geometry.h"

#include <algorithm>
#include <cmath>

#include "check/exact.h"

namespace zep::detail {

namespace {

// The value of columns 1 and 2 at the basic solution of e.
Point basicPoint(const ExactTableau& e) {
    Point p{0, 0};
    for (std::size_t r = 1; r < e.basis.size(); r++) {
        if (e.basis[r] == 1) p.x = e.a[r][0];
        if (e.basis[r] == 2) p.y = e.a[r][0];
    }
    return p;
}

// The change of columns 1 and 2 per unit of column q entering e's basis.
Point entering(const ExactTableau& e, int q) {
    Point d{q == 1 ? 1 : 0, q == 2 ? 1 : 0};
    for (std::size_t r = 1; r < e.basis.size(); r++) {
        if (e.basis[r] == 1) d.x = -e.a[r][static_cast<std::size_t>(q)];
        if (e.basis[r] == 2) d.y = -e.a[r][static_cast<std::size_t>(q)];
    }
    return d;
}

std::vector<PathPoint> pathOf(const Store& s, const std::vector<Step>& steps) {
    ExactTableau e = exact_start(s);
    int start_phase = s.tab.num_artif > 0 ? 1 : 2;
    std::vector<PathPoint> path{{basicPoint(e), start_phase, 0}};
    for (std::size_t k = 0; k < steps.size(); k++) {
        const Step& step = steps[k];
        if (step.row <= 0 || step.col < 0 ||
            sgn(e.a[static_cast<std::size_t>(step.row)][static_cast<std::size_t>(step.col)]) == 0)
            break;
        exact_pivot(e, step.row, step.col);
        path.push_back({basicPoint(e), step.phase, static_cast<int>(k) + 1});
    }
    return path;
}

// The margin around what the view must show: a tenth of its extent, taken
// as one unit where it has none.
void widen(mpq_class& lo, mpq_class& hi) {
    if (lo == hi) hi = lo + 1;
    mpq_class margin = (hi - lo) / 10;
    lo -= margin;
    hi += margin;
}

} // namespace

bool HalfPlane::holds(const Point& p) const {
    int side = cmp(a * p.x + b * p.y, rhs);
    return relation > 0 ? side <= 0 : relation < 0 ? side >= 0 : side == 0;
}

std::vector<Point> region_vertices(const std::vector<HalfPlane>& planes) {
    std::vector<Point> points;
    for (std::size_t i = 0; i < planes.size(); i++) {
        for (std::size_t j = i + 1; j < planes.size(); j++) {
            const HalfPlane& p = planes[i];
            const HalfPlane& q = planes[j];
            mpq_class det = p.a * q.b - q.a * p.b;
            if (sgn(det) == 0) continue;
            Point at{(p.rhs * q.b - q.rhs * p.b) / det, (p.a * q.rhs - q.a * p.rhs) / det};
            if (std::find(points.begin(), points.end(), at) != points.end()) continue;
            if (std::all_of(planes.begin(), planes.end(),
                            [&](const HalfPlane& h) { return h.holds(at); }))
                points.push_back(at);
        }
    }
    if (points.size() < 3) return points;
    // A convex polygon's vertices in order of their angle around its
    // centroid; no two share an angle, so doubles order them.
    mpq_class cx = 0, cy = 0;
    for (const Point& p : points) {
        cx += p.x;
        cy += p.y;
    }
    cx /= static_cast<long>(points.size());
    cy /= static_cast<long>(points.size());
    auto angle = [&](const Point& p) {
        return std::atan2(mpq_class(p.y - cy).get_d(), mpq_class(p.x - cx).get_d());
    };
    std::sort(points.begin(), points.end(),
              [&](const Point& a, const Point& b) { return angle(a) < angle(b); });
    return points;
}

std::vector<HalfPlane> model_planes(const Geometry& g) {
    std::vector<HalfPlane> planes = g.rows;
    planes.push_back({1, 0, 0, -1});
    planes.push_back({0, 1, 0, -1});
    return planes;
}

Geometry model_geometry(const Store& s, const std::vector<Step>& steps) {
    Geometry g;
    g.x_name = s.tab.varname[1];
    g.y_name = s.tab.varname[2];
    g.objective_label = s.model.rname[0];
    g.maximize = s.model.z_mult < 0;
    g.cx = written(s.tab.cost[1]);
    g.cy = written(s.tab.cost[2]);
    for (int r = 1; r <= s.model.num_cons; r++) {
        int relation = s.tab.row_type[r] > 0 ? 1 : s.tab.row_type[r] < 0 ? -1 : 0;
        g.rows.push_back({written(s.model.a_read[r][1]), written(s.model.a_read[r][2]),
                          written(s.model.rrhs[r]), relation});
        g.labels.emplace_back(s.model.rname[r]);
    }
    g.region = region_vertices(model_planes(g));
    g.path = pathOf(s, steps);
    g.end_stat = s.engine.end_stat;
    ExactTableau final_basis = exact_at_basis(s);
    if (!final_basis.at_basis) return g;
    g.optimum = basicPoint(final_basis);
    if (g.end_stat == Outcome::unbounded) g.ray = entering(final_basis, s.engine.piv_col);
    return g;
}

View picture_view(const Geometry& g) {
    View v{0, 0, 0, 0};
    auto take = [&](const Point& p) {
        v.x0 = std::min(v.x0, p.x);
        v.x1 = std::max(v.x1, p.x);
        v.y0 = std::min(v.y0, p.y);
        v.y1 = std::max(v.y1, p.y);
    };
    for (const Point& p : g.region) take(p);
    for (const PathPoint& p : g.path) take(p.at);
    // An unbounded ray runs on as far again as what the view holds.
    if (g.end_stat == Outcome::unbounded && (sgn(g.ray.x) != 0 || sgn(g.ray.y) != 0)) {
        mpq_class reach = std::max(v.x1 - v.x0, v.y1 - v.y0);
        if (sgn(reach) == 0) reach = 1;
        mpq_class step = reach / std::max(abs(g.ray.x), abs(g.ray.y));
        take({g.optimum.x + step * g.ray.x, g.optimum.y + step * g.ray.y});
    }
    // With no region, the crossings of the lines in x, y >= 0 show why.
    if (g.region.empty()) {
        std::vector<HalfPlane> lines = model_planes(g);
        for (HalfPlane& h : lines) h.relation = 0;
        for (std::size_t i = 0; i < lines.size(); i++)
            for (std::size_t j = i + 1; j < lines.size(); j++)
                for (const Point& p : region_vertices({lines[i], lines[j]}))
                    if (sgn(p.x) >= 0 && sgn(p.y) >= 0) take(p);
    }
    widen(v.x0, v.x1);
    widen(v.y0, v.y1);
    return v;
}

std::vector<Point> shaded_region(const Geometry& g, const View& v) {
    if (g.region.empty()) return {};
    std::vector<HalfPlane> planes = model_planes(g);
    planes.push_back({1, 0, v.x0, -1});
    planes.push_back({1, 0, v.x1, 1});
    planes.push_back({0, 1, v.y0, -1});
    planes.push_back({0, 1, v.y1, 1});
    return region_vertices(planes);
}

} // namespace zep::detail
