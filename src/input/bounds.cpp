#include "input/bounds.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "check/exact.h"
#include "input/names.h"

namespace zep::detail {

namespace {

double bounded(const Store& s, double v) {
    if (v >= s.tol.infinity) return s.tol.infinity;
    if (v <= -s.tol.infinity) return -s.tol.infinity;
    return v;
}

void refuseCrossing(Store& s, NamedModel& m, int k) {
    if (s.model.lower[k] > s.model.upper[k] || s.model.lower[k] == s.tol.infinity ||
        s.model.upper[k] == -s.tol.infinity)
        refuseLine(s, m, "the bounds of %s cross: lower %g, upper %g", s.names.var[k],
                   s.model.lower[k], s.model.upper[k]);
}

} // namespace

void setLower(Store& s, NamedModel& m, int k, double v) {
    s.model.lower[k] = bounded(s, v);
    refuseCrossing(s, m, k);
}

void setUpper(Store& s, NamedModel& m, int k, double v) {
    s.model.upper[k] = bounded(s, v);
    refuseCrossing(s, m, k);
}

void setFixed(Store& s, NamedModel& m, int k, double v) {
    s.model.lower[k] = bounded(s, v);
    s.model.upper[k] = bounded(s, v);
    refuseCrossing(s, m, k);
}

void setFree(Store& s, NamedModel&, int k) {
    s.model.lower[k] = -s.tol.infinity;
    s.model.upper[k] = s.tol.infinity;
}

void setRange(Store& s, int r, double width) {
    s.model.has_range[r] = 1;
    s.model.range[r] = width;
}

void orientRange(Store& s, int r) {
    double width = s.model.range[r];
    bool upper_end = s.tab.row_type[r] > 0;
    double lo = upper_end ? s.model.rrhs[r] - width : s.model.rrhs[r];
    double hi = upper_end ? s.model.rrhs[r] : s.model.rrhs[r] + width;
    s.model.rrhs[r] = lo;
    bool from_lower = shiftedRhs(s, r) > 0;
    s.model.rrhs[r] = from_lower ? lo : hi;
    s.tab.row_type[r] = from_lower ? -1 : 1;
}

void splitFree(Store& s, NamedModel& m) {
    int written = s.model.num_vars;
    for (int j = 1; j <= written; j++) {
        if (s.model.lower[j] != -s.tol.infinity) continue;
        if (s.model.num_vars == max_names)
            refuseLine(s, m, "more than %d columns (a free variable takes two)", max_names);
        int k = ++s.model.num_vars;
        s.model.num_split++;
        // The negative part is named after its variable, printed as any name;
        // a name of the full 255 characters loses its last one to the sign.
        std::string negative = std::string("-") + s.names.var[j];
        negative.resize(std::min<std::size_t>(negative.size(), long_name_size - 1));
        s.names.var.set(k, negative);
        printedForm(s.tab.varname[k], s.names.var[k], s.tab.varname, 1, k);
        for (int r = 0; r <= s.model.num_cons; r++) s.tab.a_mat[r][k] = -s.tab.a_mat[r][j];
        s.model.neg_col[j] = k;
        s.model.lower[k] = 0;
        s.model.upper[k] = s.tol.infinity;
        s.model.lower[j] = s.model.upper[j] == s.tol.infinity ? 0 : s.model.upper[j];
    }
}

void engineBounds(Store& s) {
    for (int j = 1; j <= s.model.num_vars; j++) {
        s.tab.lowerb[j] = s.model.lower[j];
        s.tab.upperb[j] = s.model.upper[j] == s.tol.infinity ? s.tol.infinity
                                                             : s.model.upper[j] - s.model.lower[j];
    }
}

double shiftedRhs(const Store& s, int r) {
    double v = r == 0 ? 0.0 - s.model.obj_const : s.model.rrhs[r];
    for (int j = 1; j <= s.model.num_vars; j++)
        if (s.model.lower[j] != 0) v = v - s.tab.a_mat[r][j] * s.model.lower[j];
    return v;
}

bool shiftedNegative(const Store& s, int r) {
    bool shifted = false;
    for (int j = 1; j <= s.model.num_vars; j++)
        shifted = shifted || (s.model.lower[j] != 0 && s.tab.a_mat[r][j] != 0);
    if (!shifted) return s.model.rrhs[r] < 0;
    mpq_class v = written(s.model.rrhs[r]);
    for (int j = 1; j <= s.model.num_vars; j++)
        if (s.model.lower[j] != 0) v -= written(s.tab.a_mat[r][j]) * written(s.model.lower[j]);
    return sgn(v) < 0;
}

} // namespace zep::detail
