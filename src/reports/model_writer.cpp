// Writing a model in the LP format, MPS, the matrix form or the algebraic
// form. Every number is written in the fewest digits that read back as the
// same double, so that each reader finds the model it was given.
#include "reports/model_writer.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "input/lp_format.h"
#include "store/double_text.h"

namespace zep::detail {

namespace {

constexpr int wrap_at = 78;
constexpr int number_max = 99; // longest number the algebraic form reads

struct Number {
    char text[400];
    Number(double v, bool fixed) {
        if (v == 0) v = 0; // a negative zero is written as 0
        *shortestText(text, text + sizeof text - 1, v,
                      fixed ? std::chars_format::fixed : std::chars_format{}) = '\0';
    }
};

bool algebraicName(const char* name) {
    if (!std::isalpha(static_cast<unsigned char>(name[0])) || std::strlen(name) > 8) return false;
    for (const char* p = name; *p; p++)
        if (!std::isalnum(static_cast<unsigned char>(*p)) && *p != '.') return false;
    return true;
}

const char* relationText(int relation) {
    return relation > 0 ? "<=" : relation < 0 ? ">=" : "=";
}

// The names a form writes: the LP format and MPS the names as written; the
// algebraic and matrix forms, which hold names upper-cased, their printed
// forms, which are the names upper-cased where the form can hold them.
const char* varText(const Store& s, int j, bool printed) {
    return printed ? s.tab.varname[j] : var_name(s, j);
}
const char* rowText(const Store& s, int r, bool printed) {
    return printed ? s.model.rname[r] : row_name(s, r);
}

// Terms of one row in the LP or the algebraic form, wrapped before a term
// that would pass wrap_at; a continuation line begins with the term's sign.
struct TermLine {
    Store& s;
    bool algebraic;
    int col = 0;
    bool first = true;

    void put(const char* text) { col += std::fprintf(s.out, "%s", text); }
    void term(double c, const char* name) {
        char text[sizeof(Number::text) + long_name_size + 8];
        bool unit = std::fabs(c) == 1 && !(!algebraic && (name[0] == 'E' || name[0] == 'e'));
        const char* sign = c < 0 ? "- " : first ? "" : "+ ";
        Number magnitude(std::fabs(c), algebraic);
        std::snprintf(text, sizeof text, "%s%s%s%s", sign, unit ? "" : magnitude.text,
                      unit ? "" : " ", name);
        int len = static_cast<int>(std::strlen(text));
        if (!first && col + 1 + len > wrap_at) {
            std::fputc('\n', s.out);
            col = 0;
            put("   ");
        } else if (col > 0) {
            put(" ");
        }
        put(text);
        first = false;
    }
};

// A row's terms: every variable in the objective (so that a reader numbers
// the variables in their order), only the others' non-zero ones elsewhere.
void terms(Store& s, TermLine& line, int r) {
    for (int j = 1; j <= written_vars(s); j++)
        if (r == 0 || s.tab.a_mat[r][j] != 0)
            line.term(s.tab.a_mat[r][j], varText(s, j, line.algebraic));
    if (line.first && r > 0 && written_vars(s) > 0) line.term(0, varText(s, 1, line.algebraic));
}

// Variable j's bounds as the model writes them: a free variable's two
// columns folded back into one.
struct WrittenBounds {
    double lower, upper;
    bool infinite_lower, infinite_upper;
};

WrittenBounds boundsOf(const Store& s, int j) {
    bool split = s.model.neg_col[j] != 0;
    return {s.model.lower[j], s.model.upper[j], split, s.model.upper[j] == s.tol.infinity};
}

bool plainBounds(const WrittenBounds& b) {
    return !b.infinite_lower && b.lower == 0 && b.infinite_upper;
}

void writeLpBounds(Store& s) {
    bool any = false;
    for (int j = 1; j <= written_vars(s); j++) {
        WrittenBounds b = boundsOf(s, j);
        if (plainBounds(b)) continue;
        if (!any) std::fprintf(s.out, "Bounds\n");
        any = true;
        const char* x = var_name(s, j);
        Number l(b.lower, false), u(b.upper, false);
        if (b.infinite_lower && b.infinite_upper)
            std::fprintf(s.out, " %s free\n", x);
        else if (b.infinite_lower)
            std::fprintf(s.out, " -inf <= %s <= %s\n", x, u.text);
        else if (!b.infinite_upper && b.lower == b.upper)
            std::fprintf(s.out, " %s = %s\n", x, l.text);
        else if (b.infinite_upper)
            std::fprintf(s.out, " %s >= %s\n", x, l.text);
        else if (b.lower == 0)
            std::fprintf(s.out, " %s <= %s\n", x, u.text);
        else
            std::fprintf(s.out, " %s <= %s <= %s\n", l.text, x, u.text);
    }
}

// The ends of a ranged row, lower and upper.
double lowerEnd(const Store& s, int r) {
    return s.tab.row_type[r] > 0 ? s.model.rrhs[r] - s.model.range[r] : s.model.rrhs[r];
}
double upperEnd(const Store& s, int r) {
    return s.tab.row_type[r] > 0 ? s.model.rrhs[r] : s.model.rrhs[r] + s.model.range[r];
}

void writeRows(Store& s, bool algebraic) {
    for (int r = 1; r <= s.model.num_cons; r++) {
        TermLine line{s, algebraic};
        line.put(algebraic ? "" : " ");
        line.put(rowText(s, r, algebraic));
        line.put(algebraic ? ")" : ":");
        if (s.model.has_range[r]) {
            line.put(" ");
            line.put(Number(lowerEnd(s, r), false).text);
            line.put(" <=");
            terms(s, line, r);
            std::fprintf(s.out, " <= %s\n", Number(upperEnd(s, r), false).text);
            continue;
        }
        terms(s, line, r);
        Number rhs(s.model.rrhs[r], algebraic);
        std::fprintf(s.out, " %s %s\n", relationText(s.tab.row_type[r]), rhs.text);
    }
}

void writeLp(Store& s) {
    std::fprintf(s.out, "%s\n", s.model.z_mult < 0 ? "Maximize" : "Minimize");
    TermLine objective{s, false};
    objective.put(" ");
    objective.put(row_name(s, 0));
    objective.put(":");
    terms(s, objective, 0);
    if (s.model.obj_const != 0) {
        Number constant(std::fabs(s.model.obj_const), false);
        std::fprintf(s.out, " %c %s", s.model.obj_const < 0 ? '-' : '+', constant.text);
    }
    std::fprintf(s.out, "\nSubject To\n");
    writeRows(s, false);
    writeLpBounds(s);
    std::fprintf(s.out, "End\n");
}

void writeAlgebraic(Store& s) {
    TermLine objective{s, true};
    objective.put(s.model.z_mult < 0 ? "MAX " : "MIN ");
    objective.put(s.model.rname[0]);
    objective.put(")");
    terms(s, objective, 0);
    std::fputc('\n', s.out);
    writeRows(s, true);
}

// Fixed MPS keeps names in fields of 8 characters and numbers in 12; a
// model with a name or number that does not fit is written in free MPS,
// whose fields are separated by blanks.
constexpr std::size_t mps_name_field = 8;
constexpr std::size_t mps_number_field = 12;

// Data records, in the fixed fields or free.
struct MpsRecords {
    Store& s;
    bool fixed;

    // A name, a row and a number (COLUMNS, RHS, RANGES).
    void entry(const char* first, const char* second, double v) {
        Number text(v, false);
        if (fixed)
            std::fprintf(s.out, "    %-8s  %-8s  %s\n", first, second, text.text);
        else
            std::fprintf(s.out, "    %s  %s  %s\n", first, second, text.text);
    }

    // A bound of variable j, with its value or without.
    void bound(const char* type, int j, const double* v) {
        const char* x = var_name(s, j);
        if (!v)
            std::fprintf(s.out, " %s BND  %s%s\n", type, fixed ? "     " : "", x);
        else if (fixed)
            std::fprintf(s.out, " %s BND       %-8s  %s\n", type, x, Number(*v, false).text);
        else
            std::fprintf(s.out, " %s BND  %s  %s\n", type, x, Number(*v, false).text);
    }
};

void writeMpsBounds(MpsRecords& out) {
    const Store& s = out.s;
    bool any = false;
    for (int j = 1; j <= written_vars(s); j++) {
        WrittenBounds b = boundsOf(s, j);
        if (plainBounds(b)) continue;
        if (!any) std::fprintf(out.s.out, "BOUNDS\n");
        any = true;
        if (b.infinite_lower) {
            out.bound(b.infinite_upper ? "FR" : "MI", j, nullptr);
            if (!b.infinite_upper) out.bound("UP", j, &b.upper);
        } else if (!b.infinite_upper && b.lower == b.upper) {
            out.bound("FX", j, &b.lower);
        } else {
            if (b.lower != 0) out.bound("LO", j, &b.lower);
            if (!b.infinite_upper) out.bound("UP", j, &b.upper);
        }
    }
}

void writeMps(Store& s) {
    MpsRecords out{s, fitsFixedMps(s)};
    std::fprintf(s.out, "NAME          %s\n", row_name(s, 0));
    if (s.model.z_mult < 0) std::fprintf(s.out, "OBJSENSE\n    MAX\n");
    std::fprintf(s.out, "ROWS\n N  %s\n", row_name(s, 0));
    for (int r = 1; r <= s.model.num_cons; r++)
        std::fprintf(s.out, " %c  %s\n",
                     s.tab.row_type[r] > 0   ? 'L'
                     : s.tab.row_type[r] < 0 ? 'G'
                                             : 'E',
                     row_name(s, r));
    std::fprintf(s.out, "COLUMNS\n");
    for (int j = 1; j <= written_vars(s); j++) {
        out.entry(var_name(s, j), row_name(s, 0), s.tab.a_mat[0][j]);
        for (int r = 1; r <= s.model.num_cons; r++)
            if (s.tab.a_mat[r][j] != 0)
                out.entry(var_name(s, j), row_name(s, r), s.tab.a_mat[r][j]);
    }
    std::fprintf(s.out, "RHS\n");
    if (s.model.obj_const != 0) out.entry("RHS", row_name(s, 0), -s.model.obj_const);
    for (int r = 1; r <= s.model.num_cons; r++)
        if (s.model.rrhs[r] != 0) out.entry("RHS", row_name(s, r), s.model.rrhs[r]);
    bool ranges = false;
    for (int r = 1; r <= s.model.num_cons; r++) {
        if (!s.model.has_range[r]) continue;
        if (!ranges) std::fprintf(s.out, "RANGES\n");
        ranges = true;
        out.entry("RNG", row_name(s, r), s.model.range[r]);
    }
    writeMpsBounds(out);
    std::fprintf(s.out, "ENDATA\n");
}

void writeMatrix(Store& s) {
    std::fprintf(s.out, "%s %d %d\n", s.model.z_mult < 0 ? "MAX" : "MIN", s.model.num_vars,
                 s.model.num_cons);
    for (int j = 1; j <= s.model.num_vars; j++)
        std::fprintf(s.out, "%s%s", s.tab.varname[j], j < s.model.num_vars ? " " : "\n");
    for (int r = 0; r <= s.model.num_cons; r++) {
        std::fprintf(s.out, "%s", s.model.rname[r]);
        for (int j = 1; j <= s.model.num_vars; j++)
            std::fprintf(s.out, " %s", Number(s.tab.a_mat[r][j], false).text);
        if (r > 0)
            std::fprintf(s.out, " %s %s", relationText(s.tab.row_type[r]),
                         Number(s.model.rrhs[r], false).text);
        std::fputc('\n', s.out);
    }
}

bool refuse(char* why, std::size_t size, const char* what, const char* name, const char* form) {
    std::snprintf(why, size, "the %s %s cannot be written in the %s", what, name, form);
    return false;
}

} // namespace

bool fitsFixedMps(const Store& s) {
    auto name = [](const char* text) { return std::strlen(text) <= mps_name_field; };
    auto number = [](double v) { return std::strlen(Number(v, false).text) <= mps_number_field; };
    for (int r = 0; r <= s.model.num_cons; r++)
        if (!name(row_name(s, r)) || !number(s.model.rrhs[r]) || !number(s.model.range[r]))
            return false;
    if (!number(-s.model.obj_const)) return false;
    for (int j = 1; j <= written_vars(s); j++) {
        WrittenBounds b = boundsOf(s, j);
        if (!name(var_name(s, j)) || !number(b.lower) || !number(b.upper)) return false;
        for (int r = 0; r <= s.model.num_cons; r++)
            if (!number(s.tab.a_mat[r][j])) return false;
    }
    return true;
}

bool writable(const Store& s, ModelForm to, char* why, std::size_t size) {
    const char* form = to == ModelForm::lp          ? "LP format"
                       : to == ModelForm::algebraic ? "algebraic form"
                                                    : "matrix form";
    if (to == ModelForm::mps) return true;
    if (to == ModelForm::matrix || to == ModelForm::algebraic) {
        for (int j = 1; j <= written_vars(s); j++)
            if (!plainBounds(boundsOf(s, j)))
                return refuse(why, size, "bounds of", var_name(s, j), form);
        if (s.model.obj_const != 0) {
            std::snprintf(why, size, "the objective's constant cannot be written in the %s", form);
            return false;
        }
        for (int r = 1; r <= s.model.num_cons; r++)
            if (s.model.has_range[r])
                return refuse(why, size, "range of row", row_name(s, r), form);
    }
    if (to == ModelForm::matrix) {
        for (int r = 0; r <= s.model.num_cons; r++)
            if (std::strlen(row_name(s, r)) >= label_size)
                return refuse(why, size, "row label", row_name(s, r), form);
        for (int j = 1; j <= s.model.num_vars; j++)
            if (std::strlen(var_name(s, j)) >= name_size)
                return refuse(why, size, "variable name", var_name(s, j), form);
        return true;
    }
    if (s.model.num_vars == 0 && s.model.num_cons > 0) {
        std::snprintf(why, size, "a constraint without variables cannot be written in the %s",
                      form);
        return false;
    }
    bool (*fits)(const char*) = to == ModelForm::lp ? lpName : algebraicName;
    for (int r = 0; r <= s.model.num_cons; r++)
        if (!fits(row_name(s, r))) return refuse(why, size, "row label", row_name(s, r), form);
    for (int j = 1; j <= written_vars(s); j++)
        if (!fits(var_name(s, j))) return refuse(why, size, "variable name", var_name(s, j), form);
    if (to == ModelForm::algebraic)
        for (int r = 0; r <= s.model.num_cons; r++)
            for (int j = 0; j <= s.model.num_vars; j++)
                if (std::strlen(Number(std::fabs(s.tab.a_mat[r][j]), true).text) > number_max) {
                    std::snprintf(why, size,
                                  "a number of row %s has over %d digits, more than the "
                                  "algebraic form reads",
                                  row_name(s, r), number_max);
                    return false;
                }
    return true;
}

void writeModel(Store& s, ModelForm to) {
    switch (to) {
    case ModelForm::lp:
        writeLp(s);
        return;
    case ModelForm::mps:
        writeMps(s);
        return;
    case ModelForm::matrix:
        writeMatrix(s);
        return;
    case ModelForm::algebraic:
        writeAlgebraic(s);
        return;
    }
}

} // namespace zep::detail
