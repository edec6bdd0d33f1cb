// The reader of MPS: indicator records in column 1 open the sections, data
// records below them hold blank-separated fields. Fixed MPS reads the same
// way, as long as no name holds a blank, which zep refuses; its two
// customs of the fixed columns are kept too: a "$" that opens field 3 or 5
// (column 15 or 40) begins a comment, and a COLUMNS record with field 2
// blank goes on with the column of the record before it.
#include "input/mps.h"

#include <cmath>
#include <cstring>
#include <initializer_list>
#include <memory>

#include "input/bounds.h"
#include "input/chars.h"
#include "input/named_model.h"

namespace zep::detail {

namespace {

enum class Section { none, name, objsense, rows, columns, rhs, ranges, bounds, ended };

constexpr int fields_max = 8;

struct MpsReader {
    NamedModel m;
    Section section = Section::none;
    char* field[fields_max] = {};
    int fields = 0;
    int column = 0; // the column of the last COLUMNS record
    char rhsSet[line_max + 1] = {};
    bool rhsGiven[max_cons + 1] = {};
};

bool same(const char* word, const char* keyword) {
    return std::strlen(word) == std::strlen(keyword) &&
           strnicmp(word, keyword, static_cast<int>(std::strlen(keyword))) == 0;
}

void split(Store& s, MpsReader& r) {
    r.fields = 0;
    for (char* p = r.m.text; *p;) {
        while (*p == ' ' || *p == '\t') *p++ = '\0';
        if (!*p) break;
        if (r.fields == fields_max) refuseLine(s, r.m, "too many fields");
        r.field[r.fields++] = p;
        while (*p && *p != ' ' && *p != '\t') p++;
    }
}

// Where a "$" stands at the start of field 3 or 5 of fixed MPS, after a
// blank, the rest of the line is a comment.
void dropComment(char* text) {
    for (int at : {14, 39}) {
        if (static_cast<int>(std::strlen(text)) <= at) return;
        if (text[at] == '$' && (text[at - 1] == ' ' || text[at - 1] == '\t')) {
            text[at] = '\0';
            return;
        }
    }
}

// Fixed MPS keeps names in columns 5-12, 15-22, 40-47; a name there with a
// blank inside reads as two fields, and zep holds no name with a blank.
void refuseFieldCount(Store& s, MpsReader& r, const char* original) {
    constexpr int starts[3] = {4, 14, 39};
    int len = static_cast<int>(std::strlen(original));
    for (int start : starts) {
        // A fixed field stands between blanks: the gap before it and the two after.
        auto blankAt = [&](int i) { return i >= len || original[i] == ' '; };
        if (len <= start || !blankAt(start - 1) || !blankAt(start + 8) || !blankAt(start + 9))
            continue;
        char name[9] = {};
        std::snprintf(name, sizeof name, "%.8s", original + start);
        for (int end = static_cast<int>(std::strlen(name)); end > 0 && name[end - 1] == ' ';)
            name[--end] = '\0';
        const char* blank = std::strchr(name, ' ');
        if (name[0] != ' ' && blank)
            refuseLine(s, r.m, "the name '%s' holds a blank, which zep does not allow", name);
    }
    refuseLine(s, r.m, "a data line with %d fields, which this section does not take", r.fields);
}

double number(Store& s, MpsReader& r, const char* text) {
    const char* p = text + (*text == '+' || *text == '-');
    double v = 0;
    const char* end = readNumber(s, r.m, p, v);
    if (!end || *end != '\0') refuseLine(s, r.m, "'%s' is not a number", text);
    if (!std::isfinite(v)) refuseLine(s, r.m, "the number %s is out of range", text);
    return *text == '-' ? -v : v;
}

int knownRow(Store& s, MpsReader& r, const char* name) {
    int row = rowOf(s, r.m, name);
    if (row < 0) refuseLine(s, r.m, "unknown row %s", name);
    return row;
}

void senseWord(Store& s, MpsReader& r, const char* word) {
    if (same(word, "MAX") || same(word, "MAXIMIZE"))
        setSense(s, -1.0);
    else if (same(word, "MIN") || same(word, "MINIMIZE"))
        setSense(s, 1.0);
    else
        refuseLine(s, r.m, "unknown objective sense %s", word);
}

// Indicator records ------------------------------------------------------

void indicator(Store& s, MpsReader& r) {
    const char* word = r.field[0];
    struct Opening {
        const char* word;
        Section section;
    };
    constexpr Opening openings[] = {
        {"NAME", Section::name},       {"OBJSENSE", Section::objsense}, {"ROWS", Section::rows},
        {"COLUMNS", Section::columns}, {"RHS", Section::rhs},           {"RANGES", Section::ranges},
        {"BOUNDS", Section::bounds},   {"ENDATA", Section::ended},
    };
    if (r.section == Section::ended) refuseLine(s, r.m, "text after ENDATA");
    for (const Opening& o : openings) {
        if (!same(word, o.word)) continue;
        if (o.section == Section::objsense && r.fields == 2) {
            senseWord(s, r, r.field[1]);
        } else if (o.section != Section::name && r.fields > 1) {
            refuseLine(s, r.m, "unexpected '%s' after %s", r.field[1], o.word);
        }
        r.section = o.section;
        return;
    }
    if (same(word, "QUADOBJ") || same(word, "QMATRIX") || same(word, "QSECTION") ||
        same(word, "QCMATRIX"))
        refuseLine(s, r.m, "quadratic terms (a %s section) are not supported", word);
    if (same(word, "SOS")) refuseLine(s, r.m, "special ordered sets are not supported");
    refuseLine(s, r.m, "the section %s is not supported", word);
}

// Data records -----------------------------------------------------------

void rowRecord(Store& s, MpsReader& r, const char* original) {
    if (r.fields != 2) refuseFieldCount(s, r, original);
    const char* type = r.field[0];
    const char* name = r.field[1];
    if (same(type, "N")) {
        if (s.model.rname[0][0]) refuseLine(s, r.m, "a second objective (N) row, %s", name);
        labelRow(s, r.m, 0, name);
    } else if (same(type, "L") || same(type, "G") || same(type, "E")) {
        addRow(s, r.m, name, same(type, "L") ? 1 : same(type, "G") ? -1 : 0);
    } else {
        refuseLine(s, r.m, "unknown row type %s", type);
    }
}

void columnRecord(Store& s, MpsReader& r, const char* original) {
    if (r.fields >= 2 && same(r.field[1], "'MARKER'"))
        refuseLine(s, r.m, "integer variables (a MARKER line) are not supported");
    // Fields 1 and 2 blank (the first 14 columns): the column before goes on.
    bool goesOn = r.column > 0 && std::strspn(original, " \t") >= 14;
    int first = goesOn ? 0 : 1;
    if (r.fields != first + 2 && r.fields != first + 4) refuseFieldCount(s, r, original);
    int k = goesOn ? r.column : columnOf(s, r.m, r.field[0], true);
    r.column = k;
    for (int f = first; f < r.fields; f += 2) {
        int row = knownRow(s, r, r.field[f]);
        s.tab.a_mat[row][k] += number(s, r, r.field[f + 1]);
    }
}

void rhsRecord(Store& s, MpsReader& r, const char* original) {
    if (r.fields < 2 || r.fields > 5) refuseFieldCount(s, r, original);
    int first = r.fields % 2; // an odd count begins with the vector's name
    if (first == 1) {
        if (r.rhsSet[0] == '\0') std::strcpy(r.rhsSet, r.field[0]);
        if (std::strcmp(r.rhsSet, r.field[0]) != 0)
            refuseLine(s, r.m, "a second right-hand-side vector, %s", r.field[0]);
    }
    for (int f = first; f < r.fields; f += 2) {
        int row = knownRow(s, r, r.field[f]);
        if (r.rhsGiven[row])
            refuseLine(s, r.m, "the right-hand side of row %s is given twice", r.field[f]);
        r.rhsGiven[row] = true;
        double v = number(s, r, r.field[f + 1]);
        // The objective's entry is minus its constant, as CPLEX and Clp read it.
        if (row == 0)
            s.model.obj_const = -v;
        else
            s.model.rrhs[row] = v;
    }
}

// A range record, laid out as a right-hand-side one. R on an "L" row
// makes it rhs - |R| <= row <= rhs, on a "G" row rhs <= row <= rhs + |R|,
// on an "E" row the second when R > 0 and the first when R < 0.
void rangeRecord(Store& s, MpsReader& r, const char* original) {
    if (r.fields < 2 || r.fields > 5) refuseFieldCount(s, r, original);
    for (int f = r.fields % 2; f < r.fields; f += 2) {
        int row = knownRow(s, r, r.field[f]);
        if (row == 0) refuseLine(s, r.m, "a range on the objective row %s", r.field[f]);
        if (s.model.has_range[row])
            refuseLine(s, r.m, "the range of row %s is given twice", r.field[f]);
        double v = number(s, r, r.field[f + 1]);
        if (s.tab.row_type[row] == 0) s.tab.row_type[row] = v < 0 ? 1 : -1;
        setRange(s, row, std::fabs(v));
    }
}

// A bound record: type, an optional bound-vector name, the column and, for
// the types that take one, the value. MI leaves the upper bound as it is.
void boundRecord(Store& s, MpsReader& r, const char* original) {
    const char* type = r.fields > 0 ? r.field[0] : "";
    bool valued = same(type, "LO") || same(type, "UP") || same(type, "FX") || same(type, "LI") ||
                  same(type, "UI");
    bool plain = same(type, "FR") || same(type, "MI") || same(type, "PL") || same(type, "BV");
    if (!valued && !plain && !same(type, "SC")) refuseLine(s, r.m, "unknown bound type %s", type);
    if (same(type, "SC")) refuseLine(s, r.m, "semi-continuous variables are not supported");
    int count = valued ? 3 : 2;
    if (r.fields != count && r.fields != count + 1) refuseFieldCount(s, r, original);
    const char* column = r.field[r.fields - (valued ? 2 : 1)];
    int k = columnOf(s, r.m, column, false);
    if (k < 0) refuseLine(s, r.m, "unknown column %s", column);
    if (same(type, "BV") || same(type, "LI") || same(type, "UI"))
        refuseLine(s, r.m, "integer variables (bound type %s) are not supported", type);
    double v = valued ? number(s, r, r.field[r.fields - 1]) : 0;
    if (same(type, "LO"))
        setLower(s, r.m, k, v);
    else if (same(type, "UP"))
        setUpper(s, r.m, k, v);
    else if (same(type, "FX"))
        setFixed(s, r.m, k, v);
    else if (same(type, "FR"))
        setFree(s, r.m, k);
    else if (same(type, "MI"))
        setLower(s, r.m, k, -s.tol.infinity);
    else
        setUpper(s, r.m, k, s.tol.infinity);
}

void dataRecord(Store& s, MpsReader& r, const char* original) {
    switch (r.section) {
    case Section::none:
        refuseLine(s, r.m, "a data line before the first section");
    case Section::name:
        refuseLine(s, r.m, "a data line in the NAME section");
    case Section::objsense:
        if (r.fields != 1) refuseFieldCount(s, r, original);
        senseWord(s, r, r.field[0]);
        return;
    case Section::rows:
        rowRecord(s, r, original);
        return;
    case Section::columns:
        columnRecord(s, r, original);
        return;
    case Section::rhs:
        rhsRecord(s, r, original);
        return;
    case Section::ranges:
        rangeRecord(s, r, original);
        return;
    case Section::bounds:
        boundRecord(s, r, original);
        return;
    case Section::ended:
        refuseLine(s, r.m, "text after ENDATA");
    }
}

} // namespace

bool mpsOpeningWord(const char* word, int len) {
    for (const char* opening : {"NAME", "ROWS", "OBJSENSE"})
        if (static_cast<int>(std::strlen(opening)) == len && strnicmp(word, opening, len) == 0)
            return true;
    return false;
}

void readMps(Store& s) {
    auto r = std::make_unique<MpsReader>();
    startNamedModel(s, r->m, "MPS");
    setSense(s, 1.0);
    auto original = std::make_unique<char[]>(line_max + 2);
    while (nextLine(s, r->m)) {
        char first = r->m.text[0];
        if (first == '*') continue;
        dropComment(r->m.text);
        std::strcpy(original.get(), r->m.text);
        split(s, *r);
        if (r->fields == 0) continue;
        if (first == ' ' || first == '\t')
            dataRecord(s, *r, original.get());
        else
            indicator(s, *r);
    }
    if (s.model.rname[0][0] == '\0') labelRow(s, r->m, 0, "OBJ");
    finishNamedModel(s, r->m);
}

} // namespace zep::detail
