// The matrix-form reader: whitespace-separated items in a fixed order.
// Every item is checked as it is read; a file that cannot be the model it
// claims to be is refused with one "Matrix input error" line.
#include "input/matrix.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdarg>
#include <cstdlib>
#include <cstring>

#include "input/chars.h"
#include "input/decimal.h"
#include "input/names.h"
#include "input/warnings.h"
#include "store/failure.h"
#include "store/print.h"

namespace zep::detail {

namespace {

constexpr int sense_max = sense_size - 1;
constexpr int varname_max = name_size - 1;
constexpr int label_max = label_size - 1;
constexpr int word_max = buf_size - 1;

// Refuses the file at the word read last (or, at the end of the file, at
// its last line).
[[noreturn]] void refuse(Store& s, const char* fmt, ...) __attribute__((format(printf, 2, 3)));
void refuse(Store& s, const char* fmt, ...) {
    char message[4 * buf_size];
    va_list ap;
    va_start(ap, fmt);
    std::vsnprintf(message, sizeof message, fmt, ap);
    va_end(ap);
    fail(s, ErrorKind::matrix_input, s.matrix.word,
         format("Matrix input error: %s\n", message).c_str(), message);
}

// The C locale's white space: blank, tab, newline, vertical tab, form feed
// and carriage return.
bool isSpace(int c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// Reads the next word into dst (at most max characters kept). Returns its
// full length, or -1 at end of input. Nothing is stored past dst[max].
// Characters come straight from the stream's buffer (getc_unlocked): the
// program has one thread, and a call and a lock per character would cost
// more than the rest of the reading.
// The line and column of each word are counted on the way, for messages.
int readWord(Store& s, char* dst, int max) {
    int c;
    for (;;) {
        c = getc_unlocked(s.luin);
        if (c == EOF || !isSpace(c)) break;
        s.matrix.column++;
        if (c == '\n') {
            s.matrix.line++;
            s.matrix.column = 0;
        }
    }
    if (c == EOF) {
        s.matrix.word = {s.matrix.line, 0};
        return -1;
    }
    s.matrix.word = {s.matrix.line, s.matrix.column + 1};
    int len = 0;
    for (; c != EOF && !isSpace(c); c = getc_unlocked(s.luin)) {
        if (len < max) dst[len] = static_cast<char>(c);
        len++;
    }
    s.matrix.column += len + 1;
    if (c == '\n') {
        s.matrix.line++;
        s.matrix.column = 0;
    }
    dst[len < max ? len : max] = '\0';
    return len;
}

// The text of a word for a message: the word with each NUL byte written
// as \0, or a note that it was too long to show.
struct Shown {
    char text[2 * buf_size];
    Shown(const char* word, int len) {
        if (len > word_max) {
            std::snprintf(text, sizeof text, "(a word of over %d characters)", word_max);
            return;
        }
        int n = 0;
        for (int i = 0; i < len; i++) {
            if (word[i] == '\0') text[n++] = '\\';
            text[n++] = word[i] == '\0' ? '0' : word[i];
        }
        text[n] = '\0';
    }
};

// A NUL byte would end the word early for every routine that reads it.
bool holdsNul(const char* word, int len) {
    return static_cast<int>(std::strlen(word)) < len;
}

// A UTF-8 byte-order mark, as some editors write at the start of a file.
constexpr char byte_order_mark[] = "\xEF\xBB\xBF";
constexpr int bom_len = 3;

// Reads the first word of the file into dst (buf_size bytes), leaving out
// a byte-order mark that starts the file. Returns the word's full length,
// or -1 when the file holds no word.
int readSense(Store& s, char* dst) {
    int first = std::getc(s.luin);
    std::ungetc(first, s.luin);
    int len = readWord(s, dst, word_max);
    if (first != static_cast<unsigned char>(byte_order_mark[0]) || len < bom_len ||
        std::memcmp(dst, byte_order_mark, bom_len) != 0)
        return len;
    if (len == bom_len) return readWord(s, dst, word_max);
    std::memmove(dst, dst + bom_len, std::strlen(dst + bom_len) + 1);
    return len - bom_len;
}

// Whether a word reads as a count: an integer and nothing else. Whether
// it lies in range is the reader's next question.
bool countWord(const char* text, int len) {
    if (len > word_max) return false;
    char* end = nullptr;
    std::strtol(text, &end, 10);
    return end != text && end == text + len;
}

// Where an item stands, for a refusal: composed only when one is printed,
// since reading a model is otherwise dominated by composing these texts.
struct Item {
    const char* format; // takes the number, then the row name
    int number = 0;
    const char* row = "";
};

struct Described {
    char text[64];
    explicit Described(const Item& item) {
        std::snprintf(text, sizeof text, item.format, item.number, item.row);
    }
};

void word(Store& s, char* dst, int max, const Item& item) {
    int len = readWord(s, dst, max);
    if (len < 0) refuse(s, "expected %s, but the file ended", Described(item).text);
    if (len > max) refuse(s, "%s is longer than %d characters", Described(item).text, max);
    if (holdsNul(dst, len)) refuse(s, "%s holds a NUL byte", Described(item).text);
}

double number(Store& s, const Item& item) {
    char text[buf_size];
    int len = readWord(s, text, word_max);
    if (len < 0) refuse(s, "expected %s, but the file ended", Described(item).text);
    if (len <= word_max) noteInexactNumber(s, s.matrix.word, text, len);
    double v;
    if (len <= word_max && plainDecimal(text, len, v)) return v;
    char* end = nullptr;
    v = std::strtod(text, &end);
    if (len > word_max || end == text || end != text + len || !std::isfinite(v))
        refuse(s, "expected %s, found '%s'", Described(item).text, Shown(text, len).text);
    return v;
}

int count(Store& s, const char* what, int max) {
    char text[buf_size];
    int len = readWord(s, text, word_max);
    if (len < 0) refuse(s, "expected %s, but the file ended", what);
    if (!countWord(text, len)) refuse(s, "expected %s, found '%s'", what, Shown(text, len).text);
    errno = 0;
    long v = std::strtol(text, nullptr, 10);
    if (errno == ERANGE || v < 0 || v > max)
        refuse(s, "%s must be from 0 to %d, found %s", what, max, text);
    return static_cast<int>(v);
}

void readVarnames(Store& s) {
    for (int k = 1; k <= s.model.num_vars; k++) {
        word(s, s.tab.varname[k], varname_max, Item{"variable name %d", k});
        strupr(s.tab.varname[k]);
        for (int i = 1; i < k; i++)
            if (sameText(s.tab.varname[i], s.tab.varname[k]))
                refuse(s, "variable name %s is given twice", s.tab.varname[k]);
        noteCutName(s, s.matrix.word, k);
    }
}

void readRowName(Store& s, int i) {
    Item item = i == 0 ? Item{"the objective row's name%.0d"} : Item{"the name of row %d", i};
    word(s, s.model.rname[i], label_max, item);
    strupr(s.model.rname[i]);
    for (int k = 0; k < i; k++)
        if (sameText(s.model.rname[k], s.model.rname[i]))
            refuse(s, "row name %s is given twice", s.model.rname[i]);
}

void readRow(Store& s, int i) {
    readRowName(s, i);
    for (int j = 1; j <= s.model.num_vars; j++)
        s.tab.a_mat[i][j] = number(s, Item{"coefficient %d of row %s", j, s.model.rname[i]});
    if (i == 0) return;
    char relation[buf_size];
    word(s, relation, word_max, Item{"the relation of row %.0d%s", 0, s.model.rname[i]});
    noteRelationSpelling(s, s.matrix.word, relation);
    s.tab.row_type[i] = relation[0] == '<' ? 1 : relation[0] == '>' ? -1 : 0;
    s.model.rrhs[i] = number(s, Item{"the right-hand side of row %.0d%s", 0, s.model.rname[i]});
    if (s.model.rrhs[i] < 0)
        refuse(s, "the right-hand side of row %s is negative", s.model.rname[i]);
    s.tab.a_mat[i][0] = s.model.rrhs[i];
}

// Whatever follows the last row would be a part of the model left unread.
void refuseTrailingItems(Store& s) {
    char text[buf_size];
    int len = readWord(s, text, word_max);
    if (len >= 0) refuse(s, "the file goes on after the last row: '%s'", Shown(text, len).text);
}

} // namespace

bool startsAsMatrix(Store& s) {
    char text[buf_size];
    if (readSense(s, text) < 0) return true;
    int len = readWord(s, text, word_max);
    return len < 0 || countWord(text, len);
}

void generate2(Store& s) {
    s.matrix = {};
    // A file without a single item is the empty model.
    char sense[buf_size];
    int len = readSense(s, sense);
    if (len > sense_max) refuse(s, "the sense word is longer than %d characters", sense_max);
    if (len >= 0) {
        if (holdsNul(sense, len)) refuse(s, "the sense word holds a NUL byte");
        std::strcpy(s.model.minmax, sense);
        s.model.num_vars = count(s, "the number of variables", max_names);
        s.model.num_cons = count(s, "the number of constraints", max_cons);
    }
    s.model.z_mult = strnicmp(s.model.minmax, "max", 3) == 0 ? -1.0 : 1.0;
    print(s, "Processing %d variables and %d constraints from file %s\n", s.model.num_vars,
          s.model.num_cons, s.file_name);
    s.tab.last_col = s.model.num_vars;
    s.tab.last_row = s.model.num_cons;
    if (len < 0) return;
    readVarnames(s);
    for (int i = 0; i <= s.model.num_cons; i++) readRow(s, i);
    refuseTrailingItems(s);
    s.matrix.word = {};
    if (int k = addedNameClash(s))
        refuse(s, "variable name %s is also the name of an added column", s.tab.varname[k]);
    s.tab.nnames = s.model.num_vars;
    keep_model(s);
}

} // namespace zep::detail
