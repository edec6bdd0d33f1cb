// Models in matrix form as data, their text, and the random draws that the
// randomised families (differential, adversarial, hairline) share.
#pragma once

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace zep::detail::testing {

struct MatRow {
    std::vector<double> coefs;
    char rel; // '<', '>' or '='
    double rhs;
};

struct MatModel {
    std::string sense;
    std::vector<std::string> names;
    std::vector<double> obj;
    std::vector<MatRow> rows;
};

inline std::string number(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", v);
    return text;
}

inline std::string matText(const MatModel& m) {
    std::string t =
        m.sense + " " + std::to_string(m.names.size()) + " " + std::to_string(m.rows.size()) + "\n";
    for (const auto& name : m.names) t += name + " ";
    t += "\nOBJ";
    for (double c : m.obj) t += " " + number(c);
    for (std::size_t i = 0; i < m.rows.size(); i++) {
        t += "\nR" + std::to_string(i + 1);
        for (double c : m.rows[i].coefs) t += " " + number(c);
        t += m.rows[i].rel == '<' ? " <= " : m.rows[i].rel == '>' ? " >= " : " = ";
        t += number(m.rows[i].rhs);
    }
    return t + "\n";
}

// The draws of a random model family, from one seeded generator.
class ModelDraws {
  public:
    explicit ModelDraws(unsigned seed) : rng(seed) {}

  protected:
    std::mt19937 rng;

    int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }
    double unit() { return std::uniform_real_distribution<double>(0, 1)(rng); }
    bool chance(double p) { return unit() < p; }
    double signed_(double v) { return chance(0.3) ? -v : v; }

    // A number of one to digits significant digits times a power of ten in
    // [lo, hi], read from its decimal text so that it is the double of
    // exactly that decimal.
    double decimal(int lo, int hi, int digits) {
        char text[40];
        int most = digits == 4 ? 9999 : 999;
        std::snprintf(text, sizeof text, "%de%d", pick(1, most), pick(lo, hi) - (digits - 1));
        return std::strtod(text, nullptr);
    }

    // v moved by a relative 10^-e, e from first to last, written with
    // digits enough to hold the move.
    double moved(double v, bool up, int first, int last) {
        int e = pick(first, last);
        char text[64];
        std::snprintf(text, sizeof text, "%.*e", e + 3, v * (1 + (up ? 1 : -1) * std::pow(10, -e)));
        return std::strtod(text, nullptr);
    }

    // Adds r, with a coefficient for every column, as the matrix form takes
    // it: a negative right-hand side turns the row round. At most 30 rows.
    static void add(MatModel& m, MatRow r) {
        r.coefs.resize(m.names.size(), 0);
        if (r.rhs < 0) {
            for (double& c : r.coefs) c = -c;
            r.rhs = -r.rhs;
            r.rel = r.rel == '<' ? '>' : r.rel == '>' ? '<' : '=';
        }
        if (m.rows.size() < 30) m.rows.push_back(r);
    }
};

// Random models in the shapes of the corpus: rows of every relation laid
// around a point (feasible, often degenerate), or with random right-hand
// sides (often infeasible); without the bounding row some are unbounded.
class ShapedModels : public ModelDraws {
  public:
    using ModelDraws::ModelDraws;

    MatModel next() {
        MatModel m;
        m.sense = chance(0.5) ? "MAX" : "MIN";
        int n = pick(1, 12), k = pick(0, 14);
        double density = std::vector<double>{0.3, 0.6, 1.0}[static_cast<std::size_t>(pick(0, 2))];
        bool around_point = chance(0.7);
        std::vector<double> x0;
        for (int j = 0; j < n; j++) {
            m.names.push_back("X" + std::to_string(j + 1));
            m.obj.push_back(chance(0.8) ? pick(-6, 9) : 0);
            x0.push_back(
                std::vector<double>{0, 0, 1, 2, 3, 4}[static_cast<std::size_t>(pick(0, 5))]);
        }
        for (int i = 0; i < k; i++) add(m, row(m, x0, density, around_point));
        if (chance(0.8)) {
            double total = 0;
            for (double x : x0) total += x;
            add(m, {std::vector<double>(x0.size(), 1.0), '<', total + 5 * n});
        }
        return m;
    }

  private:
    MatRow row(const MatModel& m, const std::vector<double>& x0, double density, bool around) {
        MatRow r{{}, "<>="[pick(0, 2)], 0};
        double lhs = 0;
        for (std::size_t j = 0; j < m.names.size(); j++) {
            r.coefs.push_back(chance(density) ? pick(-5, 9) : 0);
            lhs += r.coefs[j] * x0[j];
        }
        double gap = chance(0.5) ? 0 : pick(1, 8);
        if (!around)
            r.rhs = pick(0, 30);
        else
            r.rhs = r.rel == '<' ? lhs + gap : r.rel == '>' ? lhs - gap : lhs;
        return r;
    }
};

} // namespace zep::detail::testing
