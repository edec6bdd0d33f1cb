// Random models with bounds (lower, upper, both, fixed, free, free with an
// upper bound) and ranged rows, written in the LP format and in free MPS
// by the tests' own writers, independent of zep's.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace zep::detail::testing {

struct BoundedRow {
    std::vector<int> coef;
    int relation = 1; // 1 "<=", -1 ">=", 0 "="
    int rhs = 0;
    bool ranged = false; // lo <= row <= hi
    int lo = 0, hi = 0;
};

struct BoundedModel {
    bool maximize = false;
    std::vector<int> cost;
    int constant = 0;
    // Per variable: "", "lo", "up", "both", "fixed", "free", "mi-up"
    std::vector<std::string> kind;
    std::vector<int> lower, upper;
    std::vector<BoundedRow> rows;
};

class RandomBounded {
  public:
    explicit RandomBounded(unsigned seed, bool ranges) : rng(seed), with_ranges(ranges) {}

    int in(int a, int b) { return std::uniform_int_distribution<int>(a, b)(rng); }

    BoundedModel next() {
        BoundedModel m;
        int n = in(2, 6), rows = in(1, 6);
        m.maximize = in(0, 1) == 1;
        m.constant = in(0, 3) == 0 ? in(-9, 9) : 0;
        const char* kinds[] = {"", "lo", "up", "both", "fixed", "free", "mi-up"};
        for (int j = 0; j < n; j++) {
            m.cost.push_back(in(-6, 6));
            m.kind.push_back(kinds[in(0, 6)]);
            int a = in(-8, 8), b = in(-8, 8);
            if (a > b) std::swap(a, b);
            m.lower.push_back(a);
            m.upper.push_back(m.kind[j] == "up" || m.kind[j] == "mi-up" ? in(0, 10) : b);
        }
        // Most rows hold at a point within the bounds, so that the optimal
        // outcome is common; the others are drawn at random.
        std::vector<int> point;
        for (int j = 0; j < n; j++) {
            const std::string& k = m.kind[j];
            int lo = k == "free" || k == "mi-up" ? m.upper[j] - 10 : k == "up" ? 0 : m.lower[j];
            int hi = k == "fixed" ? m.lower[j] : k == "lo" || k == "free" ? lo + 10 : m.upper[j];
            point.push_back(in(std::min(lo, hi), std::max(lo, hi)));
        }
        for (int i = 0; i < rows; i++) {
            BoundedRow r;
            int activity = 0;
            for (int j = 0; j < n; j++) {
                r.coef.push_back(in(0, 2) == 0 ? 0 : in(-5, 5));
                activity += r.coef[j] * point[j];
            }
            r.relation = in(-1, 1);
            r.rhs = in(0, 4) == 0 ? in(-10, 20) : activity + r.relation * in(0, 6);
            if (with_ranges && in(0, 3) == 0) {
                r.ranged = true;
                r.lo = activity - in(0, 8);
                r.hi = activity + in(0, 8);
            }
            m.rows.push_back(r);
        }
        return m;
    }

  private:
    std::mt19937 rng;
    bool with_ranges;
};

inline std::string varName(int j) {
    return "x" + std::to_string(j + 1);
}

inline std::string lpTerms(const std::vector<int>& coef) {
    std::string text;
    for (std::size_t j = 0; j < coef.size(); j++) {
        if (coef[j] == 0) continue;
        text += coef[j] < 0 ? " - " : " + ";
        text += std::to_string(std::abs(coef[j])) + " " + varName(static_cast<int>(j));
    }
    return text.empty() ? " 0 x1" : text;
}

// glpsol reads no objective constant: it is left out for it (constant false).
inline std::string boundedLp(const BoundedModel& m, bool constant = true) {
    std::string t = m.maximize ? "Maximize\n" : "Minimize\n";
    t += " obj:" + lpTerms(m.cost);
    if (constant && m.constant != 0)
        t += (m.constant < 0 ? " - " : " + ") + std::to_string(std::abs(m.constant));
    t += "\nSubject To\n";
    const char* rel[] = {">=", "=", "<="};
    for (std::size_t i = 0; i < m.rows.size(); i++) {
        const BoundedRow& r = m.rows[i];
        std::string label = " r" + std::to_string(i + 1) + ":";
        if (r.ranged)
            t += label + " " + std::to_string(r.lo) + " <=" + lpTerms(r.coef) +
                 " <= " + std::to_string(r.hi) + "\n";
        else
            t += label + lpTerms(r.coef) + " " + rel[r.relation + 1] + " " + std::to_string(r.rhs) +
                 "\n";
    }
    t += "Bounds\n";
    for (std::size_t j = 0; j < m.kind.size(); j++) {
        std::string x = varName(static_cast<int>(j));
        std::string l = std::to_string(m.lower[j]), u = std::to_string(m.upper[j]);
        const std::string& k = m.kind[j];
        if (k == "lo") t += " " + x + " >= " + l + "\n";
        if (k == "up") t += " " + x + " <= " + u + "\n";
        if (k == "both") t += " " + l + " <= " + x + " <= " + u + "\n";
        if (k == "fixed") t += " " + x + " = " + l + "\n";
        if (k == "free") t += " " + x + " free\n";
        if (k == "mi-up") t += " -inf <= " + x + " <= " + u + "\n";
    }
    return t + "End\n";
}

// Free MPS without OBJSENSE (glpsol reads none): the sense is the caller's.
// The objective's constant is the RHS entry's negative (left out for
// glpsol, which reads the entry with the other sign: constant false).
inline std::string boundedMps(const BoundedModel& m, bool constant = true) {
    std::string t = "NAME bounded\nROWS\n N obj\n";
    const char* type[] = {"G", "E", "L"};
    for (std::size_t i = 0; i < m.rows.size(); i++)
        t += std::string(" ") + (m.rows[i].ranged ? "G" : type[m.rows[i].relation + 1]) + " r" +
             std::to_string(i + 1) + "\n";
    t += "COLUMNS\n";
    for (std::size_t j = 0; j < m.cost.size(); j++) {
        std::string x = varName(static_cast<int>(j));
        t += " " + x + " obj " + std::to_string(m.cost[j]) + "\n";
        for (std::size_t i = 0; i < m.rows.size(); i++)
            if (m.rows[i].coef[j] != 0)
                t += " " + x + " r" + std::to_string(i + 1) + " " +
                     std::to_string(m.rows[i].coef[j]) + "\n";
    }
    t += "RHS\n";
    if (constant && m.constant != 0) t += " rhs obj " + std::to_string(-m.constant) + "\n";
    for (std::size_t i = 0; i < m.rows.size(); i++) {
        const BoundedRow& r = m.rows[i];
        t +=
            " rhs r" + std::to_string(i + 1) + " " + std::to_string(r.ranged ? r.lo : r.rhs) + "\n";
    }
    bool anyRange = false;
    for (const BoundedRow& r : m.rows) anyRange = anyRange || r.ranged;
    if (anyRange) {
        t += "RANGES\n";
        for (std::size_t i = 0; i < m.rows.size(); i++)
            if (m.rows[i].ranged)
                t += " rng r" + std::to_string(i + 1) + " " +
                     std::to_string(m.rows[i].hi - m.rows[i].lo) + "\n";
    }
    t += "BOUNDS\n";
    for (std::size_t j = 0; j < m.kind.size(); j++) {
        std::string x = " bnd " + varName(static_cast<int>(j)) + " ";
        std::string l = std::to_string(m.lower[j]), u = std::to_string(m.upper[j]);
        const std::string& k = m.kind[j];
        if (k == "lo") t += " LO" + x + l + "\n";
        if (k == "up") t += " UP" + x + u + "\n";
        if (k == "both") t += " LO" + x + l + "\n UP" + x + u + "\n";
        if (k == "fixed") t += " FX" + x + l + "\n";
        if (k == "free") t += " FR" + x + "\n";
        if (k == "mi-up") t += " MI" + x + "\n UP" + x + u + "\n";
    }
    return t + "ENDATA\n";
}

} // namespace zep::detail::testing
