#include "picture/svg.h"

#include <cmath>
#include <cstdio>

namespace zep::detail {

namespace {

// The page and the plot area inside it, in pixels.
constexpr double page_width = 640, page_height = 480;
constexpr double plot_left = 70, plot_right = 590, plot_top = 60, plot_bottom = 410;

constexpr const char* phase1_colour = "#d97706";
constexpr const char* phase2_colour = "#15803d";
constexpr const char* optimum_colour = "#b91c1c";
constexpr const char* ray_colour = "#7c3aed";

std::string px(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", v);
    return text;
}

std::string escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '&')
            out += "&amp;";
        else if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else
            out += c;
    }
    return out;
}

// Data coordinates to the page's.
struct Frame {
    View v;
    double x(const mpq_class& q) const {
        return plot_left + mpq_class((q - v.x0) / (v.x1 - v.x0)).get_d() * (plot_right - plot_left);
    }
    double y(const mpq_class& q) const {
        return plot_bottom -
               mpq_class((q - v.y0) / (v.y1 - v.y0)).get_d() * (plot_bottom - plot_top);
    }
    std::string at(const Point& p) const { return px(x(p.x)) + "," + px(y(p.y)); }
};

std::string coordinates(const Point& p) {
    std::string out = "(";
    out += picture_number(p.x) + ", " + picture_number(p.y) + ")";
    return out;
}

std::string text(double x, double y, const std::string& body, const char* attributes = "") {
    return "<text x=\"" + px(x) + "\" y=\"" + px(y) + "\"" + attributes + ">" + escaped(body) +
           "</text>\n";
}

std::string segment(double x1, double y1, double x2, double y2, const std::string& style) {
    return "<line x1=\"" + px(x1) + "\" y1=\"" + px(y1) + "\" x2=\"" + px(x2) + "\" y2=\"" +
           px(y2) + "\" " + style + "/>\n";
}

// The part of the line a x + b y = rhs inside the view: its two ends, or
// fewer where it misses the view.
std::vector<Point> lineInView(const HalfPlane& line, const View& v) {
    return region_vertices({{line.a, line.b, line.rhs, 0},
                            {1, 0, v.x0, -1},
                            {1, 0, v.x1, 1},
                            {0, 1, v.y0, -1},
                            {0, 1, v.y1, 1}});
}

// Tick spacing: 1, 2 or 5 times a power of ten, about six ticks a side.
mpq_class tickStep(const mpq_class& lo, const mpq_class& hi) {
    double raw = mpq_class((hi - lo) / 6).get_d();
    int exponent = static_cast<int>(std::floor(std::log10(raw)));
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(std::abs(exponent)));
    mpq_class unit = exponent >= 0 ? mpq_class(power) : mpq_class(1) / mpq_class(power);
    for (int m : {1, 2, 5})
        if (mpq_class(unit * m).get_d() >= raw) return unit * m;
    return unit * 10;
}

std::vector<mpq_class> ticks(const mpq_class& lo, const mpq_class& hi) {
    mpq_class step = tickStep(lo, hi);
    mpq_class first = lo / step;
    mpz_class k;
    mpz_fdiv_q(k.get_mpz_t(), first.get_num_mpz_t(), first.get_den_mpz_t());
    std::vector<mpq_class> out;
    for (mpq_class t = k * step; t <= hi; t += step)
        if (t >= lo) out.push_back(t);
    return out;
}

std::string axes(const Frame& f) {
    std::string out;
    double ox = f.x(0), oy = f.y(0);
    out += segment(plot_left, oy, plot_right, oy, "stroke=\"#111\"");
    out += segment(ox, plot_top, ox, plot_bottom, "stroke=\"#111\"");
    for (const mpq_class& t : ticks(f.v.x0, f.v.x1)) {
        out += segment(f.x(t), oy, f.x(t), oy + 5, "stroke=\"#111\"");
        if (sgn(t) != 0) out += text(f.x(t), oy + 18, picture_number(t), " text-anchor=\"middle\"");
    }
    for (const mpq_class& t : ticks(f.v.y0, f.v.y1)) {
        out += segment(ox - 5, f.y(t), ox, f.y(t), "stroke=\"#111\"");
        if (sgn(t) != 0) out += text(ox - 8, f.y(t) + 4, picture_number(t), " text-anchor=\"end\"");
    }
    out += text(ox - 8, oy + 18, "0", " text-anchor=\"end\"");
    return out;
}

// The variables' names stand outside the plot, at the ends of their axes.
std::string axisNames(const Geometry& g, const Frame& f) {
    std::string out = text(plot_right + 6, f.y(0) + 4, g.x_name, " font-weight=\"bold\"");
    out += text(f.x(0), plot_top - 8, g.y_name, " text-anchor=\"middle\" font-weight=\"bold\"");
    return out;
}

std::string constraintLines(const Geometry& g, const Frame& f) {
    std::string out;
    for (std::size_t k = 0; k < g.rows.size(); k++) {
        std::vector<Point> ends = lineInView(g.rows[k], f.v);
        if (ends.size() < 2) continue;
        const Point& a = ends.front();
        const Point& b = ends.back();
        out += segment(f.x(a.x), f.y(a.y), f.x(b.x), f.y(b.y),
                       "stroke=\"#1d4ed8\" stroke-width=\"1.5\"");
        // The label stands at the end nearer the plot's right or top edge.
        const Point& end = f.x(a.x) - f.y(a.y) > f.x(b.x) - f.y(b.y) ? a : b;
        double lx = std::min(f.x(end.x), plot_right - 4), ly = std::max(f.y(end.y), plot_top + 12);
        out += text(lx, ly, g.labels[k], " text-anchor=\"end\" dy=\"-4\" fill=\"#1d4ed8\"");
    }
    return out;
}

// An arrow of the given length from (x, y) along the page direction (dx, dy).
std::string arrow(double x, double y, double dx, double dy, double length, const char* colour,
                  const char* marker) {
    double norm = std::hypot(dx, dy);
    if (norm == 0) return "";
    return segment(x, y, x + dx / norm * length, y + dy / norm * length,
                   std::string("stroke=\"") + colour + "\" stroke-width=\"2\" marker-end=\"url(#" +
                       marker + ")\"");
}

std::string objectiveLine(const Geometry& g, const Frame& f) {
    if (sgn(g.cx) == 0 && sgn(g.cy) == 0) return "";
    std::string out;
    HalfPlane level{g.cx, g.cy, g.cx * g.optimum.x + g.cy * g.optimum.y, 0};
    std::vector<Point> ends = lineInView(level, f.v);
    if (ends.size() == 2)
        out += segment(f.x(ends[0].x), f.y(ends[0].y), f.x(ends[1].x), f.y(ends[1].y),
                       std::string("stroke=\"") + optimum_colour + "\" stroke-dasharray=\"6,4\"");
    // Improving: up the gradient for a maximum, down it for a minimum.
    double sense = g.maximize ? 1 : -1;
    double dx =
        sense * g.cx.get_d() * (plot_right - plot_left) / mpq_class(f.v.x1 - f.v.x0).get_d();
    double dy =
        -sense * g.cy.get_d() * (plot_bottom - plot_top) / mpq_class(f.v.y1 - f.v.y0).get_d();
    out += arrow(f.x(g.optimum.x), f.y(g.optimum.y), dx, dy, 45, optimum_colour, "head-optimum");
    return out;
}

// The vertices visited, numbered by the steps after which the run stood
// there; phase 1 in dashed orange squares, phase 2 in green dots.
std::string path(const Geometry& g, const Frame& f) {
    std::string lines, marks;
    for (std::size_t k = 0; k < g.path.size();) {
        std::size_t end = k + 1;
        std::string numbers = std::to_string(g.path[k].step);
        while (end < g.path.size() && g.path[end].at == g.path[k].at)
            (numbers += ',') += std::to_string(g.path[end++].step);
        const PathPoint& p = g.path[k];
        double x = f.x(p.at.x), y = f.y(p.at.y);
        if (end < g.path.size()) {
            const PathPoint& next = g.path[end];
            bool first = next.phase == 1;
            lines +=
                segment(x, y, f.x(next.at.x), f.y(next.at.y),
                        std::string("stroke=\"") + (first ? phase1_colour : phase2_colour) +
                            "\" stroke-width=\"2\"" + (first ? " stroke-dasharray=\"5,3\"" : ""));
        }
        const PathPoint& last = g.path[end - 1];
        if (last.phase == 1)
            marks += "<rect x=\"" + px(x - 4) + "\" y=\"" + px(y - 4) +
                     "\" width=\"8\" height=\"8\" fill=\"white\" stroke=\"" + phase1_colour +
                     "\" stroke-width=\"2\"/>\n";
        else
            marks += "<circle cx=\"" + px(x) + "\" cy=\"" + px(y) + "\" r=\"4\" fill=\"" +
                     phase2_colour + "\"/>\n";
        marks += text(x + 7, y + 14, numbers,
                      last.phase == 1 ? " fill=\"#d97706\"" : " fill=\"#15803d\"");
        k = end;
    }
    return lines + marks;
}

// The ray from where the run ended to the view's edge.
std::string ray(const Geometry& g, const Frame& f) {
    double x = f.x(g.optimum.x), y = f.y(g.optimum.y);
    double dx = g.ray.x.get_d() * (plot_right - plot_left) / mpq_class(f.v.x1 - f.v.x0).get_d();
    double dy = -g.ray.y.get_d() * (plot_bottom - plot_top) / mpq_class(f.v.y1 - f.v.y0).get_d();
    double t = HUGE_VAL;
    if (dx > 0) t = std::min(t, (plot_right - x) / dx);
    if (dx < 0) t = std::min(t, (plot_left - x) / dx);
    if (dy > 0) t = std::min(t, (plot_bottom - y) / dy);
    if (dy < 0) t = std::min(t, (plot_top - y) / dy);
    if (!std::isfinite(t)) return "";
    return arrow(x, y, dx, dy, std::hypot(dx, dy) * t, ray_colour, "head-ray");
}

std::string marker(const char* id, const char* colour) {
    return std::string("<marker id=\"") + id +
           "\" viewBox=\"0 0 10 10\" refX=\"9\" refY=\"5\" markerWidth=\"8\" markerHeight=\"8\" "
           "orient=\"auto\"><path d=\"M0,0 L10,5 L0,10 z\" fill=\"" +
           colour + "\"/></marker>\n";
}

std::string term(const mpq_class& c, const std::string& name, bool first) {
    if (sgn(c) == 0) return "";
    std::string sign = sgn(c) < 0 ? (first ? "-" : " - ") : (first ? "" : " + ");
    mpq_class size = abs(c);
    return sign + (size == 1 ? "" : picture_number(size) + " ") + name;
}

std::string heading(const Geometry& g) {
    std::string objective = term(g.cx, g.x_name, true);
    objective += term(g.cy, g.y_name, objective.empty());
    if (objective.empty()) objective = "0";
    std::string out = (g.maximize ? "MAX " : "MIN ") + g.objective_label + " = " + objective;
    if (g.end_stat == Outcome::optimal)
        out += ": optimum " + picture_number(g.cx * g.optimum.x + g.cy * g.optimum.y) + " at " +
               coordinates(g.optimum);
    else if (g.end_stat == Outcome::infeasible)
        out += ": no point meets all the constraints";
    else
        out += ": unbounded, " + g.objective_label + " improves without limit along the arrow";
    return out;
}

std::string legend() {
    double y = page_height - 22;
    std::string out = "<rect x=\"70\" y=\"" + px(y - 8) +
                      "\" width=\"8\" height=\"8\" fill=\"white\" stroke=\"" + phase1_colour +
                      "\" stroke-width=\"2\"/>\n";
    out += text(84, y, "phase 1");
    out += "<circle cx=\"164\" cy=\"" + px(y - 4) + "\" r=\"4\" fill=\"" + phase2_colour + "\"/>\n";
    out += text(174, y, "phase 2 (numbers: the step after which the simplex stood there)");
    return out;
}

} // namespace

std::string picture_number(const mpq_class& q) {
    if (q.get_den() == 1) return q.get_str();
    if (1000 % q.get_den() == 0) {
        mpz_class thousandths = q.get_num() * (1000 / q.get_den());
        std::string digits = mpz_class(abs(thousandths)).get_str();
        digits.insert(0, 4 - std::min<std::size_t>(digits.size(), 4), '0');
        std::string out =
            digits.substr(0, digits.size() - 3) + "." + digits.substr(digits.size() - 3);
        while (out.back() == '0') out.pop_back();
        return (sgn(q) < 0 ? "-" : "") + out;
    }
    std::string exact = q.get_str();
    if (exact.size() <= 7) return exact;
    char text[64];
    std::snprintf(text, sizeof text, "%.3f", q.get_d());
    return text;
}

std::string svg_picture(const Geometry& g) {
    Frame f{picture_view(g)};
    std::string out = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"640\" height=\"480\" "
                      "viewBox=\"0 0 640 480\" font-family=\"sans-serif\" font-size=\"12\">\n";
    out += "<defs>\n" + marker("head-optimum", optimum_colour) + marker("head-ray", ray_colour);
    out += "<clipPath id=\"plot\"><rect x=\"" + px(plot_left) + "\" y=\"" + px(plot_top) +
           "\" width=\"" + px(plot_right - plot_left) + "\" height=\"" +
           px(plot_bottom - plot_top) + "\"/></clipPath>\n</defs>\n";
    out += "<rect width=\"640\" height=\"480\" fill=\"white\"/>\n";
    out += text(page_width / 2, 30, heading(g), " text-anchor=\"middle\" font-size=\"14\"");
    out += "<g clip-path=\"url(#plot)\">\n";
    std::vector<Point> shaded = shaded_region(g, f.v);
    if (!shaded.empty()) {
        out += "<polygon points=\"";
        for (std::size_t k = 0; k < shaded.size(); k++) (out += k ? " " : "") += f.at(shaded[k]);
        out += "\" fill=\"#bfdbfe\" fill-opacity=\"0.7\" stroke=\"none\"/>\n";
    }
    out += axes(f) + constraintLines(g, f);
    if (g.end_stat == Outcome::optimal) out += objectiveLine(g, f);
    if (g.end_stat == Outcome::unbounded) out += ray(g, f);
    out += path(g, f);
    if (g.end_stat == Outcome::optimal) {
        double x = f.x(g.optimum.x), y = f.y(g.optimum.y);
        out += "<circle cx=\"" + px(x) + "\" cy=\"" + px(y) + "\" r=\"6\" fill=\"none\" stroke=\"" +
               optimum_colour + "\" stroke-width=\"2\"/>\n";
        out += text(x + 9, y - 9, coordinates(g.optimum), " fill=\"#b91c1c\" font-weight=\"bold\"");
    }
    if (g.end_stat == Outcome::infeasible)
        out += text((plot_left + plot_right) / 2, (plot_top + plot_bottom) / 2,
                    "No point meets all the constraints",
                    " text-anchor=\"middle\" font-size=\"16\" fill=\"#b91c1c\"");
    out += "</g>\n" + axisNames(g, f) + legend() + "</svg>\n";
    return out;
}

std::string model_picture(const Store& s, const std::vector<Step>& steps, std::string& why_not) {
    if (s.model.num_vars != 2) {
        why_not = "the model has " + std::to_string(s.model.num_vars) +
                  (s.model.num_vars == 1 ? " variable" : " variables") +
                  "; a picture is drawn for two";
        return "";
    }
    if (!only_non_negative(s)) {
        why_not = "the model has bounds or ranges; a picture is drawn for variables at least 0";
        return "";
    }
    return svg_picture(model_geometry(s, steps));
}

} // namespace zep::detail
