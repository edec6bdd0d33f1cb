// The CPLEX LP format's reader state and its tokens: names, numbers,
// relations, signs and colons, read from the current line.
#pragma once

#include "input/named_model.h"

namespace zep::detail {

enum class Tok { end, name, number, relation, sign, colon };

struct Token {
    Tok kind = Tok::end;
    const char* text = "";
    int len = 0;
    double value = 0; // number: its value; sign: +1 or -1
    int relation = 0; // 1 for <=, -1 for >=, 0 for =
};

// The integer, binary and semi-continuous sections are taken while they
// are empty; the first name in one is refused.
enum class Section { none, objective, constraints, bounds, general, binary, semi, ended };

// Where a row stands between tokens.
enum class RowState { start, terms, sign, coefficient, relation, relationSign };

struct LpReader {
    NamedModel m;
    const char* p = nullptr; // next character of m.text
    Section section = Section::none;
    RowState state = RowState::start;
    int row = -1;       // the row being read; -1 between constraints
    double sign = 1;    // of the pending term or right-hand side
    double coef = 1;    // pending coefficient
    int coefLine = 0;   // where the pending coefficient stands
    bool terms = false; // the row has a term
    bool left = false;  // the row began "value relation": a range
    double leftValue = 0;
    int leftRelation = 0;
};

// A name holds letters, digits and the characters !"#$%&()/,.;?@_`'{}|~,
// and does not begin with a digit or a point.
bool lpNameChar(int c);
bool lpNameStart(int c);

// The token is the name word, in any case.
bool same(const Token& t, const char* word);

// The token's text into dst, which holds it.
void copyName(char* dst, const Token& t);

// The number at r.p, refused where out of range.
double numberAt(Store& s, LpReader& r);

// The token at r.p, which moves past it; one that cannot start a token
// (a quadratic term's '[' among them) is refused.
Token nextToken(Store& s, LpReader& r);

// The next token, r.p staying where it was.
Token peekToken(Store& s, LpReader& r);

} // namespace zep::detail
