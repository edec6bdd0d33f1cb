#include "reports/listing.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>

#include "reports/title.h"
#include "store/print.h"

namespace zep::detail {

namespace {

constexpr char indent[] = "        "; // continuation lines start with eight blanks
constexpr std::size_t line_width = 78;

// outLen is a signed 8-bit count and outBuf a fixed buffer; no line may grow
// past what both can hold, whatever the pieces handed in.
constexpr std::size_t line_cap = std::min<std::size_t>(out_buf_size - 1, SCHAR_MAX);

// Listed numbers go through single precision, so %g rounds the float's digits.
double single(double v) {
    return static_cast<double>(static_cast<float>(v));
}

void clearLine(Store& s) {
    s.listing.outBuf[0] = '\0';
    s.listing.outLen = 0;
}

// Adds one piece to the line, first starting a continuation line when the
// piece would take the line past 78 characters; a piece is never split.
void appendPiece(Store& s, const char* text) {
    std::size_t n = std::strlen(text);
    if (static_cast<std::size_t>(s.listing.outLen) + n > line_width) {
        print(s, "%s\n", s.listing.outBuf);
        std::strcpy(s.listing.outBuf, indent);
    }
    std::size_t len = std::strlen(s.listing.outBuf);
    // Only a piece far longer than any label, term or relation is cut here.
    std::size_t take = std::min(n, line_cap - len);
    std::memcpy(s.listing.outBuf + len, text, take);
    s.listing.outBuf[len + take] = '\0';
    s.listing.outLen = static_cast<signed char>(len + take);
}

} // namespace

void outTerm(Store& s, const char* text, int mode) {
    switch (mode) {
    case 1:
        clearLine(s);
        appendPiece(s, text);
        break;
    case 0:
        appendPiece(s, text);
        break;
    case -1:
        print(s, "%s\n", s.listing.outBuf);
        clearLine(s);
        break;
    default:
        break;
    }
}

// The sign is always in the text; the number is the magnitude.
void makeTerm(Store& s, double v, int first, const char* name, char* out) {
    double eps = s.tol.eps_print;
    double mag = single(std::fabs(v));
    if (std::fabs(v - 1) < eps) {
        compose(out, term_size, first ? " %s" : " + %s", name);
    } else if (std::fabs(v + 1) < eps) {
        compose(out, term_size, " - %s", name);
    } else if (v >= 0) {
        compose(out, term_size, first ? " %g %s" : " + %g %s", mag, name);
    } else {
        compose(out, term_size, " - %g %s", mag, name);
    }
}

void outLhs(Store& s, int row, const double* coef, char* out) {
    char label[label_size + 1];
    compose(label, sizeof label, "%.*s)", label_size - 1, s.model.rname[row]);
    compose(out, term_size, "%-9.9s", label);
    outTerm(s, out, 0);
    int first = 1;
    // A row that the reader multiplied by -1 is listed as written.
    double sign = s.model.flipped[row] ? -1.0 : 1.0;
    // The variables as written: a free variable's negative part is its own.
    for (int j = 1; j <= written_vars(s); j++) {
        if (std::fabs(coef[j]) <= s.tol.eps_print) continue;
        makeTerm(s, sign * coef[j], first, s.tab.varname[j], out);
        outTerm(s, out, 0);
        first = 0;
    }
}

// The tableau's right-hand side; where columns were put at their bounds,
// which moved it, the one read.
void outRhs(Store& s, int row, char* out) {
    int type = s.model.flipped[row] ? -s.tab.row_type[row] : s.tab.row_type[row];
    double rhs = only_non_negative(s) ? s.tab.a_mat[row][0] : s.model.rrhs[row];
    if (s.model.flipped[row]) rhs = 0.0 - rhs;
    char relation = type < 0 ? '>' : type > 0 ? '<' : ' ';
    compose(out, term_size, " %c= %g", relation, single(rhs));
    outTerm(s, out, 0);
    if (s.model.has_range[row]) {
        // The row's other end, which its range sets.
        double width = s.model.range[row];
        double other = relation == '<' ? rhs - width : rhs + width;
        compose(out, term_size, " and %c= %g", relation == '<' ? '>' : '<', single(other));
        outTerm(s, out, 0);
    }
    outTerm(s, "", -1);
}

namespace {

// A bound as a listing line shows it: "X >= -5", "-3 <= X <= 4", "X = 3",
// "X free", "-inf <= X <= 6".
void boundLine(Store& s, int j, char* out) {
    double lo = s.model.lower[j], up = s.model.upper[j];
    const char* x = s.tab.varname[j];
    if (s.model.neg_col[j] != 0) {
        // Split: x = u - x- where x has an upper bound u, else x+ - x-.
        if (up != s.tol.infinity)
            compose(out, term_size, "%s-inf <= %s <= %g", indent, x, single(up));
        else
            compose(out, term_size, "%s%s free", indent, x);
    } else if (lo == up) {
        compose(out, term_size, "%s%s = %g", indent, x, single(lo));
    } else if (up == s.tol.infinity) {
        compose(out, term_size, "%s%s >= %g", indent, x, single(lo));
    } else if (lo == 0) {
        compose(out, term_size, "%s%s <= %g", indent, x, single(up));
    } else {
        compose(out, term_size, "%s%g <= %s <= %g", indent, single(lo), x, single(up));
    }
    print(s, "%s\n", out);
}

bool hasBound(const Store& s, int j) {
    return s.model.neg_col[j] != 0 || s.model.lower[j] != 0 || s.model.upper[j] != s.tol.infinity;
}

} // namespace

void showModel(Store& s) {
    char out[term_size];
    ctitle(s, "*** LP MODEL ***", 70);
    outTerm(s, s.model.z_mult < 1 ? "Maximize " : "Minimize ", 1);
    outLhs(s, 0, s.tab.cost, out);
    if (s.model.obj_const != 0) {
        double c = s.model.obj_const;
        if (c < 0)
            compose(out, term_size, " - %g", single(std::fabs(c)));
        else
            compose(out, term_size, " + %g", single(std::fabs(c)));
        outTerm(s, out, 0);
    }
    outTerm(s, "", -1);
    outTerm(s, "subject to:", 1);
    outTerm(s, "", -1);
    for (int r = 1; r <= s.model.num_cons; r++) {
        outLhs(s, r, s.tab.a_mat[r], out);
        outRhs(s, r, out);
    }
    bool any = false;
    for (int j = 1; j <= written_vars(s); j++) {
        if (!hasBound(s, j)) continue;
        if (!any) print(s, "bounds:\n");
        any = true;
        boundLine(s, j, out);
    }
    print(s, "\n");
}

} // namespace zep::detail
