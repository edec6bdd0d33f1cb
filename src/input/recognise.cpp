// The marks of the LP format and MPS. The matrix form keeps every file
// whose second and third words are counts (or absent); MPS opens with NAME, ROWS or
// OBJSENSE in column 1; the LP format opens with Subject To, or with
// Maximize or Minimize followed by anything but the algebraic form's
// objective "LABEL)", and shows one of its own marks (a "label:", a "\"
// comment or a Subject To line).
#include "input/recognise.h"

#include <cctype>
#include <cstring>
#include <string>
#include <string_view>

#include "input/chars.h"
#include "input/lp_format.h"
#include "input/mps.h"

namespace zep::detail {

namespace {

constexpr long look_max = 1L << 20; // how much of a file decides its form

bool space(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

// Appends the text from where the stream stands to text, until it holds
// look_max bytes; with words > 0, only as far as the blank that ends the
// words-th word, which is all that a matrix header needs. Characters come
// straight from the stream's buffer (getc_unlocked), one thread reading.
void readOn(Store& s, std::string& text, int words) {
    bool in_word = false;
    for (int c = getc_unlocked(s.luin); c != EOF; c = getc_unlocked(s.luin)) {
        text += static_cast<char>(c);
        if (!space(static_cast<char>(c)))
            in_word = true;
        else if (in_word && --words == 0)
            return;
        else
            in_word = false;
        if (static_cast<long>(text.size()) == look_max) return;
    }
}

// The n-th whitespace-separated word (from 0), or an empty view.
std::string_view word(std::string_view text, int n) {
    std::size_t at = 0;
    for (int k = 0;; k++) {
        while (at < text.size() && space(text[at])) at++;
        std::size_t end = at;
        while (end < text.size() && !space(text[end])) end++;
        if (k == n || at == text.size()) return text.substr(at, end - at);
        at = end;
    }
}

bool countWord(std::string_view w) {
    std::size_t at = !w.empty() && (w[0] == '+' || w[0] == '-');
    if (at == w.size()) return false;
    for (; at < w.size(); at++)
        if (!std::isdigit(static_cast<unsigned char>(w[at]))) return false;
    return true;
}

bool same(std::string_view w, const char* keyword) {
    return w.size() == std::strlen(keyword) &&
           strnicmp(w.data(), keyword, static_cast<int>(w.size())) == 0;
}

// The line of text that starts at at, without its newline; at moves past it.
std::string_view nextLine(std::string_view text, std::size_t& at) {
    std::size_t end = text.find('\n', at);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(at, end - at);
    at = end + 1;
    return line;
}

// A matrix file begins with its sense word and two counts.
bool matrixHeader(std::string_view text) {
    std::string_view second = word(text, 1), third = word(text, 2);
    return second.empty() || (countWord(second) && (third.empty() || countWord(third)));
}

bool mpsForm(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        std::string_view line = nextLine(text, at);
        if (word(line, 0).empty() || line[0] == '*') continue;
        if (space(line[0])) return false;
        std::string_view first = word(line, 0);
        return mpsOpeningWord(first.data(), static_cast<int>(first.size()));
    }
    return false;
}

// The text without its "\" comments, which the algebraic form never holds.
std::string withoutLpComments(std::string_view text) {
    std::string out;
    bool comment = false;
    for (char c : text) {
        if (c == '\\') comment = true;
        if (c == '\n') comment = false;
        if (!comment) out += c;
    }
    return out;
}

// A line of the text opens the constraints of the LP format.
bool constraintsLine(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        std::string_view line = nextLine(text, at);
        std::string_view first = word(line, 0);
        if (same(first, "st") || same(first, "s.t.") || same(first, "st.") ||
            (same(first, "subject") && same(word(line, 1), "to")) ||
            (same(first, "such") && same(word(line, 1), "that")))
            return true;
    }
    return false;
}

bool lpForm(std::string_view text) {
    // A "\" comment first: the algebraic form holds no "\" anywhere.
    std::size_t lead = text.find_first_not_of(" \t\r\n");
    if (lead != std::string_view::npos && text[lead] == '\\') return true;
    std::string plain = withoutLpComments(text);
    std::string_view first = word(plain, 0);
    if (lpSenseWord(first.data(), static_cast<int>(first.size())) == 0)
        return constraintsLine(plain.substr(0, plain.find('\n', first.data() - plain.data())));
    // The algebraic form's objective label: letters, digits and points, then ")".
    std::size_t at = static_cast<std::size_t>(first.data() + first.size() - plain.data());
    while (at < plain.size() && space(plain[at])) at++;
    std::size_t end = at;
    while (end < plain.size() &&
           (std::isalnum(static_cast<unsigned char>(plain[end])) || plain[end] == '.'))
        end++;
    if (end < plain.size() && plain[end] == ')') return false;
    return plain.size() != text.size() || plain.find(':') != std::string::npos ||
           constraintsLine(plain);
}

} // namespace

std::optional<ModelForm> markedForm(Store& s) {
    std::string text;
    readOn(s, text, 3);
    if (matrixHeader(text)) return std::nullopt;
    if (static_cast<long>(text.size()) < look_max) readOn(s, text, 0);
    if (mpsForm(text)) return ModelForm::mps;
    if (lpForm(text)) return ModelForm::lp;
    return std::nullopt;
}

} // namespace zep::detail
