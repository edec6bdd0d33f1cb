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
    for (int j = 1; j <= s.model.num_vars; j++) {
        if (std::fabs(coef[j]) <= s.tol.eps_print) continue;
        makeTerm(s, coef[j], first, s.tab.varname[j], out);
        outTerm(s, out, 0);
        first = 0;
    }
}

void outRhs(Store& s, int row, char* out) {
    char relation = s.tab.row_type[row] < 0 ? '>' : s.tab.row_type[row] > 0 ? '<' : ' ';
    compose(out, term_size, " %c= %g", relation, single(s.tab.a_mat[row][0]));
    outTerm(s, out, 0);
    outTerm(s, "", -1);
}

void showModel(Store& s) {
    char out[term_size];
    ctitle(s, "*** LP MODEL ***", 70);
    outTerm(s, s.model.z_mult < 1 ? "Maximize " : "Minimize ", 1);
    outLhs(s, 0, s.tab.cost, out);
    outTerm(s, "", -1);
    outTerm(s, "subject to:", 1);
    outTerm(s, "", -1);
    for (int r = 1; r <= s.model.num_cons; r++) {
        outLhs(s, r, s.tab.a_mat[r], out);
        outRhs(s, r, out);
    }
    print(s, "\n");
}

} // namespace zep::detail
