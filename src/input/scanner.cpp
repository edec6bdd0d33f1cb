// The token scanner of the algebraic reader: a finite automaton over
// character classes that echoes the model text as it reads it, and the
// input-error exit that both the scanner and the grammar end a run with.
#include "input/scanner.h"

#include <array>
#include <cstdlib>
#include <cstring>
#include <string>

#include "input/chars.h"
#include "input/decimal.h"
#include "store/failure.h"
#include "store/print.h"

namespace zep::detail {

namespace {

// Character classes: 1 letter, 2 digit, 3 point, 4 sign, 5 blank,
// 6 relation character, 7 ")". Every other byte (carriage return and the
// bytes from 128 up among them) has no class and is a lexical error.
constexpr int letter = 1;
constexpr int digit = 2;
constexpr int point = 3;
constexpr int sign = 4;
constexpr int blank = 5;
constexpr int relation_char = 6;
constexpr int close_paren = 7;
constexpr int no_class = 254;

constexpr std::array<signed char, 256> classes = [] {
    std::array<signed char, 256> t{};
    for (auto& c : t) c = static_cast<signed char>(no_class);
    for (int c = 'A'; c <= 'Z'; c++) t[c] = letter;
    for (int c = 'a'; c <= 'z'; c++) t[c] = letter;
    for (int c = '0'; c <= '9'; c++) t[c] = digit;
    t['.'] = point;
    t['+'] = t['-'] = sign;
    t['\0'] = t['\t'] = t['\n'] = t[' '] = blank;
    t['<'] = t['='] = t['>'] = relation_char;
    t[')'] = close_paren;
    return t;
}();

// Scanner states: 0 start, 1 name, 2 number, 3 number with a point,
// 4 relation, 5 label; a token's type is the state it ends in.
constexpr int end_of_token = -1;
constexpr int lexical_error = -2;
constexpr int end_of_input = -3;

// One row per state. Column 0 is the longest token that may end in the
// state; columns 1 to 7 give, per character class, the next state, or
// -1 (the character ends the token) or -2 (lexical error).
constexpr signed char lhstate[6][8] = {
    {1, 1, 2, 3, 2, 0, 4, 5},        // start
    {8, 1, 1, 1, -1, -1, -1, 5},     // name
    {99, -1, 2, 3, -1, 2, -1, -1},   // number
    {99, -1, 3, -2, -1, 3, -1, -1},  // number with a point
    {2, -1, -1, -1, -1, 4, 4, -1},   // relation
    {9, -1, -1, -1, -1, -1, -1, -1}, // label
};

// Input error messages, by error number.
constexpr const char* errorMsgs[21] = {
    "Syntax error",
    "Syntax error on input",
    "Begin a problem with 'MIN' or 'MAX'",
    "Objective function label missing",
    "Relation (<,=,>) not used in objective function",
    "Objective function missing",
    "Two numbers may not be adjacent",
    "No variable for coefficient",
    "Two variable names may not be adjacent",
    "No left-hand-side for constraint",
    "Two labels may not be adjacent",
    "Label unexpectedly encountered",
    "Righthand-side not a nonnegative constant",
    "Two relations (<,=,>) may not be adjacent",
    "Righthand side missing",
    "Constraint label missing",
    "Maximum number of constraints exceeded",
    "Maximum number of variables exceeded",
    "Element too long.\n(Variable and row names limited to 8 characters.)",
    "Duplicate row name",
    "Label must begin with letter",
};

int classOf(const Store& s, int c) {
    return static_cast<unsigned char>(s.scan.chtype[c]);
}

int nextState(const Store& s, int state, int c) {
    if (c == EOF) return end_of_input;
    int cls = classOf(s, c);
    if (cls == no_class) return lexical_error;
    return lhstate[state][cls];
}

// A token that outgrows buf goes on being counted but no longer stored;
// tokLen stops one past the 99 characters buf holds, which is over every
// state's maximum, so the token ends in input error 18.
void keep(Store& s, int c) {
    if (s.scan.tokLen == 0) {
        s.scan.tokLine = s.scan.errLine;
        s.scan.tokCol = s.scan.errCol;
    }
    if (s.scan.tokLen < buf_size - 1)
        s.buf[s.scan.tokLen] = static_cast<char>(Toupper(static_cast<char>(c)));
    if (s.scan.tokLen < buf_size) s.scan.tokLen++;
}

void consume(Store& s, int c) {
    if (s.opt.echo) fputc_unlocked(c, s.out);
    if (c == '\n') {
        s.scan.errCol = 0;
        s.scan.errLine++;
        return;
    }
    s.scan.errCol++;
    if (classOf(s, c) != blank) keep(s, c);
}

void endToken(Store& s, int state) {
    s.buf[s.scan.tokLen < buf_size ? s.scan.tokLen : buf_size - 1] = '\0';
    if (s.scan.tokLen > lhstate[state][0]) errExit(s, 18);
}

// A sign or a point without digits stands for a coefficient of one.
struct UnitToken {
    const char* text;
    int len;
    double value;
};
constexpr UnitToken unitTokens[] = {
    {"", 0, 1.0}, {"+", 1, 1.0}, {".", 1, 1.0}, {"-", 1, -1.0}, {"+.", 2, 1.0}, {"-.", 2, -1.0},
};

} // namespace

void chset(Store& s) {
    std::memcpy(s.scan.chtype, classes.data(), classes.size());
}

namespace {

// A carriage return before a line feed (a line end written by Windows
// editors) is read as the line feed alone; any other carriage return has
// no class.
int nextChar(Store& s) {
    int c = getc_unlocked(s.luin);
    if (c != '\r') return c;
    int after = getc_unlocked(s.luin);
    if (after == '\n') return after;
    std::ungetc(after, s.luin);
    return c;
}

// The lexical error's own report: the column line, then input error 1,
// placed at the offending character.
[[noreturn]] void lexicalError(Store& s, int c) {
    print(s, "Error in column %d\n", s.scan.errCol);
    std::string what = c == '.'             ? "a second point in a number"
                       : c == '\r'          ? "a carriage return that ends no line"
                       : c >= 32 && c < 127 ? format("the character '%c' belongs to no token", c)
                                            : format("the byte 0x%02X belongs to no token", c);
    inputError(s, 1, {s.scan.errLine, s.scan.errCol + 1}, what);
}

} // namespace

// Characters come straight from the stream's buffer (getc_unlocked): the
// program has one thread, and a call and a lock per character cost more
// than the whole scan.
int getTok(Store& s) {
    s.scan.tokLen = 0;
    int state = 0;
    int previous;
    int c;
    do {
        previous = state;
        c = nextChar(s);
        state = nextState(s, previous, c);
        if (state >= 0) consume(s, c);
    } while (state >= 0);

    if (state == end_of_token) {
        std::ungetc(c, s.luin);
    } else if (state == lexical_error) {
        lexicalError(s, c);
    } else if (previous == 0) {
        return end_of_input;
    }
    endToken(s, previous);
    return previous;
}

double tokValue(Store& s) {
    for (const UnitToken& u : unitTokens)
        if (s.scan.tokLen == u.len && std::strncmp(s.buf, u.text, static_cast<size_t>(u.len)) == 0)
            return u.value;
    double v;
    if (plainDecimal(s.buf, static_cast<int>(std::strlen(s.buf)), v)) return v;
    return std::atof(s.buf);
}

// The locating line names the offending token where it begins; the caret
// stays where the rules put it, after the blanks a number or relation
// consumed behind it.
void errExit(Store& s, int n) {
    inputError(s, n, {s.scan.tokLine, s.scan.tokCol}, "");
}

void inputError(Store& s, int n, Place at, const std::string& detail) {
    std::string report(static_cast<std::size_t>(s.scan.errCol > 1 ? s.scan.errCol - 1 : 0), ' ');
    report =
        "\n" + report + format("^\nInput Error %d>> %s\nProcessing terminated\n", n, errorMsgs[n]);
    // The message of error 18 runs over two lines; one line says it here.
    std::string message = errorMsgs[n];
    if (std::size_t nl = message.find('\n'); nl != std::string::npos) message[nl] = ' ';
    message += format(" (input error %d)", n);
    if (!detail.empty()) message += ": " + detail;
    fail(s, ErrorKind::input, at, report.c_str(), message);
}

} // namespace zep::detail
