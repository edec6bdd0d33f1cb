#include "input/lp_tokens.h"

#include <cctype>
#include <cmath>
#include <cstring>

#include "input/chars.h"

namespace zep::detail {

namespace {

[[noreturn]] void refuseChar(Store& s, LpReader& r, int c) {
    if (c == '[' || c == '*' || c == '^') refuseLine(s, r.m, "quadratic terms are not supported");
    if (std::isprint(c)) refuseLine(s, r.m, "unexpected character '%c'", c);
    refuseLine(s, r.m, "unexpected byte 0x%02X", static_cast<unsigned char>(c));
}

} // namespace

// Characters of a name besides letters and digits; a name does not begin
// with a digit or a point.
bool lpNameChar(int c) {
    return std::isalnum(c) || (c != 0 && std::strchr("!\"#$%&()/,.;?@_`'{}|~", c));
}
bool lpNameStart(int c) {
    return lpNameChar(c) && !std::isdigit(c) && c != '.';
}

bool same(const Token& t, const char* word) {
    return t.kind == Tok::name && static_cast<int>(std::strlen(word)) == t.len &&
           strnicmp(t.text, word, t.len) == 0;
}

void copyName(char* dst, const Token& t) {
    std::memcpy(dst, t.text, static_cast<size_t>(t.len));
    dst[t.len] = '\0';
}

double numberAt(Store& s, LpReader& r) {
    double v = 0;
    const char* end = readNumber(s, r.m, r.p, v);
    if (!end) refuseChar(s, r, '.');
    if (!std::isfinite(v))
        refuseLine(s, r.m, "the number %.*s is out of range", static_cast<int>(end - r.p), r.p);
    r.p = end;
    return v;
}

Token nextToken(Store& s, LpReader& r) {
    while (*r.p == ' ' || *r.p == '\t') r.p++;
    Token t;
    t.text = r.p;
    int c = static_cast<unsigned char>(*r.p);
    if (c == '\0') return t;
    if (std::isdigit(c) || c == '.') {
        t.kind = Tok::number;
        t.value = numberAt(s, r);
    } else if (lpNameStart(c)) {
        t.kind = Tok::name;
        while (lpNameChar(static_cast<unsigned char>(*r.p))) r.p++;
    } else if (c == '+' || c == '-') {
        t.kind = Tok::sign;
        t.value = c == '-' ? -1 : 1;
        r.p++;
    } else if (c == ':') {
        t.kind = Tok::colon;
        r.p++;
    } else if (c == '<' || c == '>' || c == '=') {
        t.kind = Tok::relation;
        r.p++;
        int d = static_cast<unsigned char>(*r.p);
        if (c == '=' && (d == '<' || d == '>')) {
            c = d;
            r.p++;
        } else if (c != '=' && d == '=') {
            r.p++;
        }
        if (*r.p == '<' || *r.p == '>' || *r.p == '=')
            refuseLine(s, r.m, "unknown relation %.*s", static_cast<int>(r.p - t.text) + 1, t.text);
        t.relation = c == '<' ? 1 : c == '>' ? -1 : 0;
    } else {
        refuseChar(s, r, c);
    }
    t.len = static_cast<int>(r.p - t.text);
    return t;
}

Token peekToken(Store& s, LpReader& r) {
    const char* at = r.p;
    Token t = nextToken(s, r);
    r.p = at;
    return t;
}

} // namespace zep::detail
