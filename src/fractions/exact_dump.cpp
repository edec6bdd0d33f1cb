#include "fractions/exact_dump.h"

#include <algorithm>
#include <string>
#include <vector>

#include "reports/fraction.h"
#include "simplex/tableau.h"
#include "store/print.h"

namespace zep::detail {

namespace {

// The dump's cells are 12 characters after two blanks; a fraction that
// needs more widens its whole column.
constexpr int cell_width = 12;

struct Block {
    int c1, c2;
    std::vector<int> width; // of each column from c1
    std::vector<std::string> cost;
    std::vector<std::vector<std::string>> entry; // [row][column - c1]
};

Block layout(const Store& s, const ExactTableau& e, int c1, int c2) {
    Block b{c1, c2, {}, {}, {}};
    b.entry.resize(s.tab.last_row + 1);
    for (int c = c1; c <= c2; c++) {
        b.cost.push_back(fraction(written(s.tab.cost[c])));
        std::size_t w = b.cost.back().size();
        for (int r = 0; r <= s.tab.last_row; r++) {
            b.entry[r].push_back(fraction(e.a[r][c]));
            w = std::max(w, b.entry[r].back().size());
        }
        b.width.push_back(std::max(cell_width, static_cast<int>(w)));
    }
    return b;
}

void rule(Store& s, const Block& b) {
    print(s, "\n-------");
    for (int w : b.width) print(s, "%s", std::string(static_cast<std::size_t>(w) + 2, '-').c_str());
    print(s, "\n");
}

void block(Store& s, const ExactTableau& e, const Block& b) {
    auto w = [&](int c) { return b.width[static_cast<std::size_t>(c - b.c1)]; };
    auto k = [&](int c) { return static_cast<std::size_t>(c - b.c1); };
    print(s, "\n  Name ");
    for (int c = b.c1; c <= b.c2; c++) print(s, "  %*s", w(c), s.tab.varname[c]);
    print(s, "\n   Cost");
    for (int c = b.c1; c <= b.c2; c++) print(s, "  %*s", w(c), b.cost[k(c)].c_str());
    print(s, "\n Status");
    for (int c = b.c1; c <= b.c2; c++)
        print(s, " %*d", w(c) + 1, e.status[static_cast<std::size_t>(c)]);
    rule(s, b);
    print(s, "Row Bas");
    for (int c = b.c1; c <= b.c2; c++) print(s, "%*s%3d", w(c) - 1, "Column", c);
    rule(s, b);
    for (int r = 0; r <= s.tab.last_row; r++) {
        int basic = r >= 1 && r <= s.model.num_cons ? e.basis[static_cast<std::size_t>(r)] : 0;
        print(s, "%2d  %3d", r, basic);
        for (int c = b.c1; c <= b.c2; c++)
            print(s, "  %*s", w(c), b.entry[static_cast<std::size_t>(r)][k(c)].c_str());
        print(s, "\n");
    }
    print(s, "\n\n");
}

} // namespace

void tableau(Store& s, const ExactTableau& e) {
    for (int c1 = 0; c1 <= s.tab.last_col; c1 += printcols) {
        int c2 = s.tab.last_col - c1 >= printcols - 1 ? c1 + printcols - 1 : s.tab.last_col;
        block(s, e, layout(s, e, c1, c2));
    }
}

void prt_stat(Store& s, const ExactTableau& e, int iteration) {
    print(s, "Iteration %d  Objective = %11s \n", iteration,
          fraction(-s.model.z_mult * e.a[0][s.tab.rhs_col]).c_str());
}

} // namespace zep::detail
