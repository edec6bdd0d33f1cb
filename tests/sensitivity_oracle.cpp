#include "sensitivity_oracle.h"

#include <cstdio>
#include <sstream>

#include "check/exact.h"
#include "exact_basis.h"

namespace zep::detail::testing {

namespace {

std::string fixed(int decimals, const Q& v) {
    char text[400];
    std::snprintf(text, sizeof text, "%.*f", decimals, nearest_double(v));
    return text;
}

std::vector<std::string> words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> w;
    for (std::string t; in >> t;) w.push_back(t);
    return w;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

// One side of a printed range: no limit, or a number and a name.
struct Side {
    bool limited = false;
    std::string number, name;
};

bool readSide(const std::vector<std::string>& w, std::size_t& at, const char* none, Side& side) {
    if (at < w.size() && w[at] == none) {
        at++;
        return true;
    }
    if (at + 1 >= w.size()) return false;
    side = {true, w[at], w[at + 1]};
    at += 2;
    return true;
}

// A candidate that would end a range: a column (or basic row) and the move
// t at which it does.
struct Candidate {
    int column;
    Q t;
};

class Judge {
  public:
    Judge(const Store& st, Judgement& out) : s(st), j(out), x(exactBasis(st)) {}

    bool singular() const { return x.singular; }

    void costLine(int v, const std::string& line) {
        std::vector<std::string> w = words(line);
        Side up, lo;
        std::size_t at = 3;
        if (w.size() < 4 || !readSide(w, at, "+Infinity", up) ||
            !readSide(w, at, "-Infinity", lo) || at != w.size())
            return fail("unreadable cost line: " + line);
        // A change t of v's cost moves the reduced cost of column k by t
        // times z g(k): +1 for v's own column, -1 for a free variable's
        // negative part, where nonbasic; minus the entry in k of the row of
        // each part that is basic.
        Q z = s.model.z_mult;
        std::vector<Q> g(static_cast<std::size_t>(s.tab.last_col + 1));
        auto part = [&](int p, int sign) {
            for (int k = 1; k <= s.tab.last_col; k++) {
                if (s.tab.col_status[p] > 0)
                    g[k] -= sign * x.T[k][s.tab.col_status[p]];
                else if (k == p)
                    g[k] += sign;
            }
        };
        part(v, 1);
        if (s.model.neg_col[v]) part(s.model.neg_col[v], -1);
        std::vector<Candidate> ups, los;
        for (int k = 1; k <= s.tab.last_col; k++) {
            Q rate = side(k) * z * g[k];
            if (!eligible(k) || sgn(rate) == 0) continue;
            (sgn(rate) < 0 ? ups : los).push_back({k, -x.d[k] / (z * g[k])});
        }
        // Optimal at t: every eligible reduced cost keeps its sign.
        auto holds = [&](const Q& t) {
            for (int k = 1; k <= s.tab.last_col; k++)
                if (eligible(k) && sgn(side(k) * (x.d[k] + t * z * g[k])) < 0) return false;
            return true;
        };
        judgeSide(line, "upper", up, ups, written(s.tab.cost[v]), 3, holds);
        judgeSide(line, "lower", lo, los, written(s.tab.cost[v]), 3, holds);
    }

    void rhsLine(int i, const std::string& line) {
        // A ranged row has two right-hand sides; its line says so.
        if (s.model.has_range[i]) {
            j.numbers++;
            if (!line.ends_with(" (a ranged row: not ranged)"))
                fail("a ranged row's line is not marked: " + line);
            return;
        }
        std::vector<std::string> w = words(line);
        Side up, lo;
        std::size_t at = 3;
        if (w.size() < 4 || !readSide(w, at, "+Infinity", up) ||
            !readSide(w, at, "-Infinity", lo) || at != w.size())
            return fail("unreadable right-hand-side line: " + line);
        std::vector<Candidate> ups, los;
        for (int k = 1; k <= x.m; k++) {
            const Q& delta = x.inv[i][k];
            int basic = s.tab.basis_index[k];
            if (sgn(delta) == 0) continue;
            if (s.tab.isart[basic]) {
                ups.push_back({basic, 0});
                los.push_back({basic, 0});
            } else if (!freePart(basic)) {
                (sgn(delta) < 0 ? ups : los).push_back({basic, -x.T[0][k] / delta});
                if (hasWidth(s, basic))
                    (sgn(delta) > 0 ? ups : los)
                        .push_back({basic, (width(s, basic) - x.T[0][k]) / delta});
            }
        }
        // Feasible at t: every level between zero and its width (a free
        // variable's parts pass through zero), artificials at zero.
        auto holds = [&](const Q& t) {
            for (int k = 1; k <= x.m; k++) {
                int basic = s.tab.basis_index[k];
                Q level = x.T[0][k] + t * x.inv[i][k];
                if (freePart(basic)) continue;
                if (sgn(level) < 0 || (s.tab.isart[basic] && sgn(level) != 0)) return false;
                if (hasWidth(s, basic) && level > width(s, basic)) return false;
            }
            return true;
        };
        judgeSide(line, "upper", up, ups, written(s.model.rrhs[i]), 2, holds);
        judgeSide(line, "lower", lo, los, written(s.model.rrhs[i]), 2, holds);
    }

    // Entry (r, c) of the final tableau.
    Q entry(int r, int c) const {
        if (r == 0) return x.d[c];
        if (r > x.m) return x.d1[c];
        return x.T[c][r];
    }

    void fail(const std::string& why) { j.wrong.push_back(why); }

    int rows() const { return x.m; }

  private:
    const Store& s;
    Judgement& j;
    ExactBasis x;

    int side(int k) const { return s.tab.col_status[k] < 0 ? -1 : 1; }

    // The variable as written that column k stands for.
    int writtenOf(int k) const {
        for (int v = 1; v <= written_vars(s); v++)
            if (s.model.neg_col[v] == k) return v;
        return k;
    }

    // A part of a free variable without an upper bound.
    bool freePart(int k) const {
        int v = writtenOf(k);
        return s.model.neg_col[v] != 0 && !hasWidth(s, v);
    }

    // A column may enter: nonbasic, not artificial, not fixed, and not held
    // at zero by an artificial left basic (its phase-1 reduced cost above
    // zero).
    bool eligible(int k) const {
        if (s.tab.col_status[k] > 0 || s.tab.isart[k]) return false;
        if (hasWidth(s, k) && sgn(width(s, k)) == 0) return false;
        bool art_basic = false;
        for (int r = 1; r <= x.m; r++) art_basic = art_basic || s.tab.isart[s.tab.basis_index[r]];
        if (!art_basic || s.tab.num_artif == 0) return true;
        return side(k) * sgn(x.d1[k]) <= 0;
    }

    template <class Holds>
    void judgeSide(const std::string& line, const char* which, const Side& printed,
                   const std::vector<Candidate>& cands, const Q& current, int decimals,
                   Holds holds) {
        j.numbers++;
        if (!printed.limited) {
            if (!cands.empty()) fail(std::string(which) + " side has a limit: " + line);
            return;
        }
        for (const Candidate& c : cands) {
            if (printed.name != std::string(s.tab.varname[writtenOf(c.column)]).substr(0, 12))
                continue;
            if (!holds(c.t)) return fail(std::string(which) + " limit is not the nearest: " + line);
            std::string want = fixed(decimals, current + c.t);
            if (printed.number != want)
                return fail(std::string(which) + " limit prints " + printed.number + ", exact " +
                            want + ": " + line);
            return;
        }
        fail(std::string(which) + " limit names no column that ends the range: " + line);
    }
};

int findLine(const std::vector<std::string>& lines, const std::string& text) {
    for (int i = static_cast<int>(lines.size()) - 1; i >= 0; i--)
        if (lines[static_cast<std::size_t>(i)].find(text) != std::string::npos) return i;
    return -1;
}

// The blocks of the final tableau printed before the solution line: each
// "Row Bas" line, its column numbers and the rows after its rule.
void judgeTableau(const Store& s, Judge& judge, Judgement& out,
                  const std::vector<std::string>& lines, int solution) {
    std::vector<int> heads;
    for (int i = 0; i < solution; i++)
        if (lines[static_cast<std::size_t>(i)].rfind("Row Bas", 0) == 0) heads.push_back(i);
    int blocks = s.tab.last_col / 50 + 1;
    if (static_cast<int>(heads.size()) < blocks) return judge.fail("final tableau missing");
    for (std::size_t h = heads.size() - static_cast<std::size_t>(blocks); h < heads.size(); h++) {
        std::vector<std::string> head = words(lines[static_cast<std::size_t>(heads[h])]);
        std::vector<int> cols;
        for (std::size_t k = 3; k < head.size(); k += 2) cols.push_back(std::stoi(head[k]));
        for (int r = 0; r <= s.tab.last_row; r++) {
            const std::string& line = lines.at(static_cast<std::size_t>(heads[h] + 2 + r));
            std::vector<std::string> w = words(line);
            if (w.size() != cols.size() + 2 || std::stoi(w[0]) != r)
                return judge.fail("unreadable tableau row: " + line);
            for (std::size_t k = 0; k < cols.size(); k++) {
                // The engine moves the phase-1 row's value as a row of the
                // tableau when a column goes to its upper bound, while the
                // starting row sums the artificials' values at the lower
                // bounds; the two do not meet, and that value is not judged
                // for a model with bounds.
                if (r > judge.rows() && cols[k] == 0 && !only_non_negative(s)) continue;
                out.numbers++;
                Q exact = judge.entry(r, cols[k]);
                std::string want = fixed(3, exact);
                const std::string& got = w[k + 2];
                bool zero_ok = sgn(exact) == 0 && (got == "0.000" || got == "-0.000");
                if (got != want && !zero_ok)
                    judge.fail("tableau (" + std::to_string(r) + ", " + std::to_string(cols[k]) +
                               ") prints " + got + ", exact " + want);
            }
        }
    }
}

} // namespace

Judgement judgeSensitivity(const Store& s, const std::string& output) {
    Judgement out;
    Judge judge(s, out);
    if (judge.singular()) {
        out.wrong.push_back("the final basis is singular in exact arithmetic");
        return out;
    }
    std::vector<std::string> lines = linesOf(output);
    int solution = findLine(lines, "Solution OPTIMAL");
    if (s.opt.last_tableau) judgeTableau(s, judge, out, lines, solution);
    if (!s.opt.show_range) return out;
    int cost = findLine(lines, "*** SENSITIVITY OF THE");
    int rhs = findLine(lines, "*** RANGING THE RIGHT-HAND SIDE ***");
    if (cost < 0 || rhs < 0) {
        out.wrong.push_back("ranging tables missing");
        return out;
    }
    for (int v = 1; v <= written_vars(s); v++)
        judge.costLine(v, lines.at(static_cast<std::size_t>(cost + 3 + v)));
    for (int i = 1; i <= s.model.num_cons; i++)
        judge.rhsLine(i, lines.at(static_cast<std::size_t>(rhs + 3 + i)));
    return out;
}

} // namespace zep::detail::testing
