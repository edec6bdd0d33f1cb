// Filling the store by names for the readers of the LP format and MPS.
#include "input/named_model.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include "input/bounds.h"
#include "input/chars.h"
#include "input/decimal.h"
#include "input/names.h"
#include "input/warnings.h"
#include "store/double_text.h"
#include "store/failure.h"
#include "store/print.h"

namespace zep::detail {

namespace {

constexpr int name_max = long_name_size - 1;

// Both names are the same to zep, which compares names without case; unless
// the file spells them alike they are two names that zep cannot tell apart.
void checkSpelling(Store& s, const NamedModel& m, const char* kept, const char* name) {
    if (std::strcmp(kept, name) != 0)
        refuseLine(s, m, "the names %s and %s differ only in case, which zep does not tell apart",
                   kept, name);
}

// Every lookup compares a name with each one kept, so the comparison stops
// at the first character that differs (most names differ in their first few).
bool sameName(const char* a, const char* b) {
    for (;; a++, b++) {
        if (*a != *b && Toupper(*a) != Toupper(*b)) return false;
        if (*a == '\0') return true;
    }
}

// The same for names that sameName takes as the same.
std::uint32_t nameKey(const char* name) {
    std::uint32_t h = 0;
    for (; *name; name++) h = (h ^ static_cast<std::uint32_t>(Toupper(*name))) * 0x01000193u;
    return h;
}

const char* relationText(int relation) {
    return relation > 0 ? "<=" : relation < 0 ? ">=" : "=";
}

} // namespace

void startNamedModel(const Store& s, NamedModel& m, const char* form) {
    m.form = form;
    for (int r = 0; r <= s.model.num_cons; r++) m.row_key[r] = nameKey(s.names.row[r]);
    for (int k = 1; k <= s.model.num_vars; k++) m.var_key[k] = nameKey(s.names.var[k]);
}

bool nextLine(Store& s, NamedModel& m) {
    int c = getc_unlocked(s.luin);
    if (c == EOF) return false;
    m.line++;
    int len = 0;
    for (; c != EOF && c != '\n'; c = getc_unlocked(s.luin)) {
        if (c == '\0') refuseLine(s, m, "the line holds a NUL byte");
        if (len == line_max + 1)
            refuseLine(s, m, "the line is longer than %d characters", line_max);
        m.text[len++] = static_cast<char>(c);
    }
    if (len > 0 && m.text[len - 1] == '\r') len--;
    if (len > line_max) refuseLine(s, m, "the line is longer than %d characters", line_max);
    m.text[len] = '\0';
    return true;
}

void refuseLine(Store& s, const NamedModel& m, const char* fmt, ...) {
    char message[2 * line_max];
    va_list ap;
    va_start(ap, fmt);
    std::vsnprintf(message, sizeof message, fmt, ap);
    va_end(ap);
    if (std::strcmp(m.form, model_form) == 0)
        fail(s, ErrorKind::model, {}, nullptr, format("%s: %s", m.text, message));
    ErrorKind kind = std::strcmp(m.form, "MPS") == 0 ? ErrorKind::mps_input : ErrorKind::lp_input;
    fail(s, kind, {m.line, 0},
         format("%s input error, line %d: %s\n", m.form, m.line, message).c_str(), message);
}

Place placeIn(const NamedModel& m, const char* p) {
    bool inLine = p >= m.text && p < m.text + sizeof m.text;
    return {m.line, inLine ? static_cast<int>(p - m.text) + 1 : 0};
}

const char* readNumber(Store& s, const NamedModel& m, const char* p, double& v) {
    const char* end = scanNumber(p, v);
    if (end) noteInexactNumber(s, placeIn(m, p), p, static_cast<int>(end - p));
    return end;
}

int columnOf(Store& s, NamedModel& m, const char* name, bool add, const char* at) {
    std::size_t length = textLength(name, name_max + 1);
    if (length > name_max)
        refuseLine(s, m, "the variable name %s is longer than %d characters", name, name_max);
    std::uint32_t key = nameKey(name);
    for (int k = 1; k <= s.model.num_vars; k++) {
        if (m.var_key[k] != key || !sameName(s.names.var[k], name)) continue;
        checkSpelling(s, m, s.names.var[k], name);
        return k;
    }
    if (!add) return -1;
    if (s.model.num_vars == max_names) refuseLine(s, m, "more than %d variables", max_names);
    int k = ++s.model.num_vars;
    s.names.var.set(k, {name, length});
    m.var_key[k] = key;
    printedForm(s.tab.varname[k], name, s.tab.varname, 1, k);
    noteCutName(s, placeIn(m, at ? at : name), k);
    return k;
}

int rowOf(Store& s, NamedModel& m, const char* name) {
    std::uint32_t key = nameKey(name);
    for (int r = 0; r <= s.model.num_cons; r++) {
        if (m.row_key[r] != key || !sameName(s.names.row[r], name)) continue;
        checkSpelling(s, m, s.names.row[r], name);
        return r;
    }
    return -1;
}

void labelRow(Store& s, NamedModel& m, int r, const char* name, const char* at) {
    std::size_t length = textLength(name, name_max + 1);
    if (length > name_max)
        refuseLine(s, m, "the row label %s is longer than %d characters", name, name_max);
    if (rowOf(s, m, name) >= 0) refuseLine(s, m, "the row label %s is given twice", name);
    s.names.row.set(r, {name, length});
    m.row_key[r] = nameKey(name);
    printedForm(s.model.rname[r], name, s.model.rname, 0, std::max(r, s.model.num_cons));
    noteCutLabel(s, placeIn(m, at ? at : name), r);
}

int addRow(Store& s, NamedModel& m, const char* name, int relation, const char* at) {
    if (s.model.num_cons == max_cons) refuseLine(s, m, "more than %d constraints", max_cons);
    labelRow(s, m, s.model.num_cons + 1, name, at);
    s.model.num_cons++;
    s.tab.row_type[s.model.num_cons] = relation;
    return s.model.num_cons;
}

const char* scanNumber(const char* p, double& v) {
    const char* q = p;
    int digits = 0;
    for (; std::isdigit(static_cast<unsigned char>(*q)); q++) digits++;
    if (*q == '.')
        for (q++; std::isdigit(static_cast<unsigned char>(*q)); q++) digits++;
    if (digits == 0) return nullptr;
    if (*q == 'e' || *q == 'E') {
        const char* e = q + 1;
        if (*e == '+' || *e == '-') e++;
        if (std::isdigit(static_cast<unsigned char>(*e))) {
            while (std::isdigit(static_cast<unsigned char>(*e))) e++;
            q = e;
        }
    }
    char text[line_max + 1];
    std::memcpy(text, p, static_cast<size_t>(q - p));
    text[q - p] = '\0';
    if (!plainDecimal(text, static_cast<int>(q - p), v)) v = std::strtod(text, nullptr);
    return q;
}

void setSense(Store& s, double z_mult) {
    s.model.z_mult = z_mult;
    std::snprintf(s.model.minmax, sizeof s.model.minmax, "%s", z_mult < 0 ? "MAX" : "MIN");
}

void finishNamedModel(Store& s, NamedModel& m) {
    if (int k = addedNameClash(s))
        refuseLine(s, m, "the variable name %s is also the name of an added column",
                   s.names.var[k]);
    int written = s.model.num_vars;
    splitFree(s, m);
    engineBounds(s);
    s.tab.nnames = s.model.num_vars;
    s.tab.last_col = s.model.num_vars;
    s.tab.last_row = s.model.num_cons;
    print(s, "Processing %d variables and %d constraints from file %s\n", written, s.model.num_cons,
          s.file_name);
    if (s.model.obj_const != 0 && std::strcmp(m.form, model_form) != 0) {
        char constant[32] = {};
        shortestText(constant, constant + sizeof constant - 1, s.model.obj_const);
        warn(s, NoteKind::objective_constant, Place{},
             format("the objective has the constant %s%s, added to its value", constant,
                    std::strcmp(m.form, "MPS") == 0
                        ? " (minus its RHS entry, as CPLEX and Clp read it)"
                        : ""));
    }
    s.tab.a_mat[0][0] = shiftedRhs(s, 0);
    for (int r = 1; r <= s.model.num_cons; r++) {
        if (s.model.has_range[r]) orientRange(s, r);
        bool negative = shiftedNegative(s, r);
        bool written_negative = s.model.rrhs[r] < 0;
        if (negative) {
            for (int j = 1; j <= s.model.num_vars; j++) s.tab.a_mat[r][j] = -s.tab.a_mat[r][j];
            // 0 - v, not -v: a right-hand side of 0 stays +0, never printed "-0".
            s.model.rrhs[r] = 0.0 - s.model.rrhs[r];
            s.tab.row_type[r] = -s.tab.row_type[r];
            s.model.flipped[r] = 1;
        }
        // Exactly at least zero, so rounding alone can take it below.
        s.tab.a_mat[r][0] = std::fmax(shiftedRhs(s, r), 0.0);
        if (!negative) continue;
        if (written_negative)
            std::fprintf(s.out,
                         "Note: row %s had a negative right-hand side; multiplied by -1, its "
                         "relation is now %s\n",
                         s.model.rname[r], relationText(s.tab.row_type[r]));
        else
            warn(s, NoteKind::flipped_row, Place{},
                 format("row %s had a negative right-hand side once its variables were put at "
                        "their lower bounds; multiplied by -1, its relation is now %s",
                        s.model.rname[r], relationText(s.tab.row_type[r])));
    }
    keep_model(s);
}

} // namespace zep::detail
