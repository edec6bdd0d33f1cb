// The algebraic model reader: an automaton over the scanner's token types
// whose transitions check the order of the tokens and pick the action that
// stores each one.
#include "input/grammar.h"

#include <cstring>

#include "input/chars.h"
#include "input/names.h"
#include "input/scanner.h"
#include "input/warnings.h"

namespace zep::detail {

namespace {

// One row per grammar state, one column per token type (0 is never
// returned by the scanner; 1 name, 2 number, 3 number with a point,
// 4 relation, 5 label). An entry n >= 0 is the next state, whose action
// then runs; an entry -n raises input error n.
constexpr signed char tokState[10][6] = {
    {0, 1, -2, -2, -2, -2},     // 0 start
    {0, -3, -3, -3, -3, 2},     // 1 after the sense keyword
    {0, 4, 3, 3, -4, -5},       // 2 after the objective label
    {0, 4, -6, -6, -7, -7},     // 3 after a coefficient in the objective
    {0, -8, 3, 3, -4, 5},       // 4 after a variable in the objective
    {0, 7, 6, 6, -9, -10},      // 5 after a constraint label
    {0, 7, -6, -6, -7, -11},    // 6 after a coefficient in a constraint
    {0, -8, 6, 6, 8, -11},      // 7 after a variable in a constraint
    {0, -12, 9, 9, -13, -14},   // 8 after a relation
    {0, -15, -15, -15, -15, 5}, // 9 after a right-hand side
};

// What the read carries from token to token: the pending coefficient
// takes the last number to the variable after it; the rest serves the
// warnings.
struct Reading {
    double pending = 1.0;
    int seenInRow[max_names + 1] = {}; // the row + 1 where a column last stood
    Place rowAt;                       // where the current row's label stands
};
using Action = void (*)(Store& s, Reading& r);

Place tokenPlace(const Store& s) {
    return {s.scan.tokLine, s.scan.tokCol};
}

void senseKeyword(Store& s, Reading&) {
    if (strnicmp(s.buf, "max", 3) == 0) {
        s.model.z_mult = -1.0;
    } else if (strnicmp(s.buf, "min", 3) == 0) {
        s.model.z_mult = 1.0;
    } else {
        errExit(s, 2);
    }
    strupr(s.buf);
    std::memcpy(s.model.minmax, s.buf, 3);
}

void constraintLabel(Store& s, Reading& r) {
    s.model.num_cons++;
    if (s.model.num_cons > max_cons) errExit(s, 16);
    r.pending = 1.0;
    r.rowAt = tokenPlace(s);
    s.scan.tokLen--;
    s.buf[s.scan.tokLen] = '\0';
    if (s.scan.tokLen == 0) errExit(s, 20);
    char* label = s.model.rname[s.model.num_cons];
    std::memset(label, 0, label_size);
    std::memcpy(label, s.buf, static_cast<size_t>(s.scan.tokLen));
    if (checkLabel(s) != 1) errExit(s, 19);
}

// The objective's label makes row 0.
void objectiveLabel(Store& s, Reading& r) {
    s.model.num_cons = -1;
    constraintLabel(s, r);
}

void coefficient(Store& s, Reading& r) {
    noteInexactNumber(s, tokenPlace(s), s.buf, s.scan.tokLen);
    r.pending = tokValue(s);
}

// A store, not a sum: a variable named twice in a row keeps its last
// coefficient.
void variable(Store& s, Reading& r) {
    int k = nameNum(s, s.buf);
    if (k < 0) errExit(s, 17);
    int row = s.model.num_cons;
    if (r.seenInRow[k] == row + 1)
        warn(s, NoteKind::repeated_variable, tokenPlace(s),
             format("%s is written twice in row %s; its last coefficient, %g, is kept and the "
                    "first is dropped, not added",
                    s.buf, s.model.rname[row], r.pending));
    r.seenInRow[k] = row + 1;
    s.tab.a_mat[row][k] = r.pending;
}

// Only the first character of the relation counts.
void relation(Store& s, Reading&) {
    noteRelationSpelling(s, tokenPlace(s), s.buf);
    s.tab.row_type[s.model.num_cons] = s.buf[0] == '<' ? 1 : s.buf[0] == '>' ? -1 : 0;
}

void rightHandSide(Store& s, Reading&) {
    noteInexactNumber(s, tokenPlace(s), s.buf, s.scan.tokLen);
    double rhs = tokValue(s);
    s.model.rrhs[s.model.num_cons] = rhs;
    s.tab.a_mat[s.model.num_cons][0] = rhs;
    if (rhs < 0) errExit(s, 12);
}

// The action run on entering each state; state 0 has none.
constexpr Action actions[10] = {
    nullptr,         senseKeyword, objectiveLabel, coefficient, variable,
    constraintLabel, coefficient,  variable,       relation,    rightHandSide,
};

// The states of a constraint before its right-hand side.
constexpr int after_label = 5;
constexpr int after_variable = 7;
constexpr int after_relation = 8;

// The rules complete a last constraint that stops short: its relation code
// and right-hand side keep their start values, 0 (an equality) and 0.
void noteCompletedRow(Store& s, int state, const Reading& r) {
    const char* label = s.model.rname[s.model.num_cons];
    if (state == after_relation)
        warn(s, NoteKind::completed_row, r.rowAt,
             format("the last constraint, %s, has no right-hand side and is read with 0", label));
    else if (state >= after_label && state <= after_variable)
        warn(s, NoteKind::completed_row, r.rowAt,
             format("the last constraint, %s, has no relation or right-hand side and is read "
                    "as = 0",
                    label));
}

} // namespace

void generate3(Store& s) {
    chset(s);
    int state = 0;
    s.buf[0] = '\0';
    Reading r;
    for (int t = getTok(s); t >= 0; t = getTok(s)) {
        state = tokState[state][t];
        if (state < 0) errExit(s, -state);
        actions[state](s, r);
    }
    noteCompletedRow(s, state, r);
    // Whatever state the input ends in, what was stored so far is the model.
    s.tab.last_row = s.model.num_cons;
    s.model.num_vars = s.tab.nnames;
    s.tab.last_col = s.model.num_vars;
    keep_model(s);
}

int checkLabel(Store& s) {
    for (int r = 0; r < s.model.num_cons; r++)
        if (std::strncmp(s.model.rname[r], s.model.rname[s.model.num_cons], label_size) == 0)
            return 0;
    return 1;
}

} // namespace zep::detail
