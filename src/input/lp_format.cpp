// The reader of the CPLEX LP format: sections opened by keywords at the
// start of a line, rows of terms that may run over several lines, and a
// refusal with the line's number for everything zep cannot hold.
#include "input/lp_format.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <memory>

#include "input/bounds.h"
#include "input/chars.h"
#include "input/lp_tokens.h"
#include "input/named_model.h"

namespace zep::detail {

namespace {

// Row state -------------------------------------------------------------

void beginRow(Store& s, LpReader& r, const char* label, const char* at = nullptr) {
    char fallback[label_size + 8];
    if (!label) {
        std::snprintf(fallback, sizeof fallback, "C%d", s.model.num_cons + 1);
        label = fallback;
    }
    r.row = addRow(s, r.m, label, 0, at);
    r.state = RowState::terms;
    r.terms = false;
    r.left = false;
}

// "lo <= terms <= hi" is the row "<= hi" ranged down to lo, and
// "hi >= terms >= lo" the row ">= lo" ranged up to hi.
void closeRange(Store& s, LpReader& r) {
    double rhs = s.model.rrhs[r.row];
    if (r.leftRelation == 0 || r.leftRelation != s.tab.row_type[r.row])
        refuseLine(s, r.m,
                   "a range must read: value <= terms <= value, or value >= terms >= value");
    double width = r.leftRelation > 0 ? rhs - r.leftValue : r.leftValue - rhs;
    if (width < 0) refuseLine(s, r.m, "the range of constraint %s is empty", s.names.row[r.row]);
    setRange(s, r.row, width);
}

void addTerm(Store& s, LpReader& r, const Token& name) {
    char text[line_max + 1];
    copyName(text, name);
    int k = columnOf(s, r.m, text, true, name.text);
    s.tab.a_mat[r.row][k] += r.sign * r.coef;
    r.sign = 1;
    r.coef = 1;
    r.terms = true;
    r.state = RowState::terms;
}

// A number in the objective that no name follows is its constant.
void addConstant(Store& s, LpReader& r) {
    s.model.obj_const += r.sign * r.coef;
    r.sign = 1;
    r.coef = 1;
    r.state = RowState::terms;
}

// The row in hand ends here (at a new section or at the end of the file).
void closeRow(Store& s, LpReader& r) {
    if (r.section == Section::objective) {
        if (r.state == RowState::coefficient) addConstant(s, r);
        if (r.state == RowState::sign) refuseLine(s, r.m, "a sign without a term");
        if (s.model.rname[0][0] == '\0') labelRow(s, r.m, 0, "OBJ");
    } else if (r.section == Section::constraints && r.row > 0) {
        refuseLine(s, r.m, "the constraint %s ends without a relation and right-hand side",
                   s.names.row[r.row]);
    }
    r.row = -1;
}

void rowToken(Store& s, LpReader& r, const Token& t) {
    bool objective = r.section == Section::objective;
    switch (r.state) {
    case RowState::start:
        if (t.kind == Tok::name && peekToken(s, r).kind == Tok::colon) {
            char label[line_max + 1];
            copyName(label, t);
            nextToken(s, r);
            if (objective)
                labelRow(s, r.m, 0, label, t.text);
            else
                beginRow(s, r, label, t.text);
            r.state = RowState::terms;
            return;
        }
        if (objective)
            labelRow(s, r.m, 0, "OBJ");
        else
            beginRow(s, r, nullptr);
        r.state = RowState::terms;
        rowToken(s, r, t);
        return;
    case RowState::terms:
    case RowState::sign:
        if (t.kind == Tok::sign && r.state == RowState::terms) {
            r.sign = t.value;
            r.state = RowState::sign;
        } else if (t.kind == Tok::number) {
            r.coef = t.value;
            r.coefLine = r.m.line;
            r.state = RowState::coefficient;
        } else if (t.kind == Tok::name) {
            addTerm(s, r, t);
        } else if (t.kind == Tok::relation && r.state == RowState::terms && !objective) {
            s.tab.row_type[r.row] = t.relation;
            r.state = RowState::relation;
        } else if (t.kind == Tok::relation && objective) {
            refuseLine(s, r.m, "a relation in the objective");
        } else {
            refuseLine(s, r.m, "unexpected '%.*s'", t.len, t.text);
        }
        return;
    case RowState::coefficient:
        if (t.kind == Tok::name) {
            addTerm(s, r, t);
            return;
        }
        if (objective) {
            addConstant(s, r);
            rowToken(s, r, t);
            return;
        }
        // The constant may show itself only on a later line; name its own.
        r.m.line = r.coefLine;
        if (t.kind == Tok::relation && !r.terms && !r.left) {
            r.left = true;
            r.leftValue = r.sign * r.coef;
            r.leftRelation = t.relation;
            r.sign = 1;
            r.coef = 1;
            r.state = RowState::terms;
            return;
        }
        refuseLine(s, r.m, "a constant among the terms of constraint %s", s.names.row[r.row]);
    case RowState::relation:
    case RowState::relationSign:
        if (t.kind == Tok::sign && r.state == RowState::relation) {
            r.sign = t.value;
            r.state = RowState::relationSign;
            return;
        }
        if (t.kind != Tok::number)
            refuseLine(s, r.m, "the right-hand side of constraint %s is not a number",
                       s.names.row[r.row]);
        s.model.rrhs[r.row] = r.sign * t.value;
        if (r.left) closeRange(s, r);
        r.sign = 1;
        r.row = -1;
        r.state = RowState::start;
        if (peekToken(s, r).kind == Tok::relation)
            refuseLine(s, r.m,
                       "a range must read: value <= terms <= value, or value >= terms >= value");
        return;
    }
}

// Bounds ----------------------------------------------------------------

// One side of a bound: a number or an infinity, with its sign.
bool boundValue(Store& s, LpReader& r, double& v) {
    Token t = nextToken(s, r);
    double sign = 1;
    if (t.kind == Tok::sign) {
        sign = t.value;
        t = nextToken(s, r);
    }
    if (t.kind == Tok::number) {
        v = sign * t.value;
        return true;
    }
    if (same(t, "inf") || same(t, "infinity")) {
        v = sign * HUGE_VAL;
        return true;
    }
    return false;
}

// One bound as "name relation value", or "value relation name": a lower
// bound (>= after the name, <= before it), an upper bound, or a fixed value.
void applyBound(Store& s, LpReader& r, int k, int relation, bool nameFirst, double v) {
    if (relation == 0)
        setFixed(s, r.m, k, v);
    else if ((relation < 0) == nameFirst)
        setLower(s, r.m, k, v);
    else
        setUpper(s, r.m, k, v);
}

int boundColumn(Store& s, LpReader& r, const Token& name) {
    char text[line_max + 1];
    copyName(text, name);
    return columnOf(s, r.m, text, true, name.text);
}

// A bound line: "x free", "x >= l", "x <= u", "x = v", "l <= x", "l <= x <= u"
// (either relation, the same one twice), with -inf and +inf as values.
void boundLine(Store& s, LpReader& r) {
    double v = 0;
    Token first = peekToken(s, r);
    if (first.kind == Tok::name && !same(first, "inf") && !same(first, "infinity")) {
        nextToken(s, r);
        Token t = nextToken(s, r);
        int k = boundColumn(s, r, first);
        if (same(t, "free")) {
            setFree(s, r.m, k);
        } else {
            if (t.kind != Tok::relation || !boundValue(s, r, v))
                refuseLine(s, r.m, "a bound must read: name relation value");
            applyBound(s, r, k, t.relation, true, v);
        }
    } else {
        if (!boundValue(s, r, v)) refuseLine(s, r.m, "unexpected '%.*s'", first.len, first.text);
        Token t = nextToken(s, r);
        Token name = nextToken(s, r);
        if (t.kind != Tok::relation || name.kind != Tok::name)
            refuseLine(s, r.m, "a bound must read: value relation name");
        int k = boundColumn(s, r, name);
        applyBound(s, r, k, t.relation, false, v);
        Token second = peekToken(s, r);
        if (second.kind == Tok::relation) {
            nextToken(s, r);
            if (!boundValue(s, r, v) || second.relation != t.relation || t.relation == 0)
                refuseLine(s, r.m, "a bound must read: value relation name relation value");
            applyBound(s, r, k, second.relation, true, v);
        }
    }
    if (nextToken(s, r).kind != Tok::end) refuseLine(s, r.m, "a bound line holds one bound");
}

// Sections --------------------------------------------------------------

// Whether the line opens a section; if so the reader moves into it and
// stands after the keyword.
bool sectionKeyword(Store& s, LpReader& r) {
    const char* at = r.p;
    Token t = nextToken(s, r);
    if (same(t, "semi") && strnicmp(r.p, "-continuous", 11) == 0) r.p += 11;
    if (t.kind != Tok::name || (*r.p != '\0' && *r.p != ' ' && *r.p != '\t')) {
        r.p = at;
        return false;
    }
    Section next;
    if (int sense = lpSenseWord(t.text, t.len)) {
        if (r.section != Section::none) refuseLine(s, r.m, "a second objective");
        setSense(s, sense);
        next = Section::objective;
    } else if (same(t, "st") || same(t, "s.t.") || same(t, "st.") ||
               ((same(t, "subject") && same(peekToken(s, r), "to")) ||
                (same(t, "such") && same(peekToken(s, r), "that")))) {
        if (same(t, "subject") || same(t, "such")) nextToken(s, r);
        next = Section::constraints;
    } else if (same(t, "bound") || same(t, "bounds")) {
        next = Section::bounds;
    } else if (same(t, "end")) {
        next = Section::ended;
    } else if (same(t, "gen") || same(t, "general") || same(t, "generals")) {
        next = Section::general;
    } else if (same(t, "bin") || same(t, "binary") || same(t, "binaries")) {
        next = Section::binary;
    } else if (same(t, "semi") || same(t, "semis")) {
        next = Section::semi;
    } else if (same(t, "sos")) {
        refuseLine(s, r.m, "special ordered sets are not supported");
    } else {
        r.p = at;
        return false;
    }
    if (r.section == Section::none && next != Section::objective)
        refuseLine(s, r.m, "the model must begin with Maximize or Minimize");
    closeRow(s, r);
    r.section = next;
    r.state = RowState::start;
    r.row = next == Section::objective ? 0 : -1;
    return true;
}

void readLine(Store& s, LpReader& r) {
    if (char* comment = std::strchr(r.m.text, '\\')) *comment = '\0';
    r.p = r.m.text;
    if (r.section == Section::ended) {
        if (nextToken(s, r).kind != Tok::end) refuseLine(s, r.m, "text after End");
        return;
    }
    sectionKeyword(s, r);
    if (r.section == Section::bounds) {
        if (peekToken(s, r).kind != Tok::end) boundLine(s, r);
        return;
    }
    if (peekToken(s, r).kind != Tok::end) {
        if (r.section == Section::general)
            refuseLine(s, r.m, "integer variables (a General section) are not supported");
        if (r.section == Section::binary)
            refuseLine(s, r.m, "binary variables (a Binary section) are not supported");
        if (r.section == Section::semi)
            refuseLine(s, r.m, "semi-continuous variables are not supported");
    }
    for (Token t = nextToken(s, r); t.kind != Tok::end; t = nextToken(s, r)) {
        if (r.section == Section::none)
            refuseLine(s, r.m, "the model must begin with Maximize or Minimize");
        rowToken(s, r, t);
    }
}

} // namespace

int lpSenseWord(const char* word, int len) {
    for (const char* max : {"max", "maximize", "maximise", "maximum"})
        if (static_cast<int>(std::strlen(max)) == len && strnicmp(word, max, len) == 0) return -1;
    for (const char* min : {"min", "minimize", "minimise", "minimum"})
        if (static_cast<int>(std::strlen(min)) == len && strnicmp(word, min, len) == 0) return 1;
    return 0;
}

bool lpName(const char* name) {
    if (!lpNameStart(static_cast<unsigned char>(name[0]))) return false;
    for (const char* p = name; *p; p++)
        if (!lpNameChar(static_cast<unsigned char>(*p))) return false;
    constexpr const char* keywords[] = {"st",    "s.t.",   "st.",      "subject", "such",
                                        "bound", "bounds", "gen",      "general", "generals",
                                        "bin",   "binary", "binaries", "semi",    "semis",
                                        "sos",   "end",    "free",     "inf",     "infinity"};
    int len = static_cast<int>(std::strlen(name));
    if (lpSenseWord(name, len) != 0) return false;
    for (const char* k : keywords)
        if (static_cast<int>(std::strlen(k)) == len && strnicmp(name, k, len) == 0) return false;
    return true;
}

void readLpFormat(Store& s) {
    auto r = std::make_unique<LpReader>();
    startNamedModel(s, r->m, "LP format");
    setSense(s, 1.0);
    while (nextLine(s, r->m)) readLine(s, *r);
    if (r->section == Section::none)
        refuseLine(s, r->m, "the model must begin with Maximize or Minimize");
    closeRow(s, *r);
    finishNamedModel(s, r->m);
}

} // namespace zep::detail
