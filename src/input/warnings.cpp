#include "input/warnings.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "input/chars.h"

namespace zep::detail {

namespace {

constexpr int max_exact_digits = 17; // any double round-trips through 17
constexpr int report_name_width = 8; // the summaries print names in 8 columns

} // namespace

int significantDigits(const char* text, int len) {
    int counted = 0; // digits from the first non-zero one
    int upto = 0;    // of which up to the last non-zero one
    for (int i = 0; i < len && text[i] != 'e' && text[i] != 'E'; i++) {
        if (text[i] < '0' || text[i] > '9' || (counted == 0 && text[i] == '0')) continue;
        counted++;
        if (text[i] != '0') upto = counted;
    }
    return upto;
}

void noteInexactNumber(Store& s, Place at, const char* text, int len) {
    if (len <= max_exact_digits) return; // too short to hold more digits
    int digits = significantDigits(text, len);
    if (digits <= max_exact_digits) return;
    warn(s, NoteKind::inexact_number, at,
         format("the number %.*s has %d significant digits; a double holds %d, so the model "
                "solved is not exactly the one written",
                len, text, digits, max_exact_digits));
}

void noteRelationSpelling(Store& s, Place at, const char* relation) {
    if (relation[0] != '=' || (relation[1] != '<' && relation[1] != '>')) return;
    warn(s, NoteKind::relation_spelling, at,
         format("the relation %s is read by its first character as =, an equality; write %c= "
                "if that is meant",
                relation, relation[1]));
}

namespace {

// Whether printed is written's plain cut: its first cut characters (or all
// of it) upper-cased, as a whole text. Most names print so.
bool printsPlain(const char* written, const char* printed, int cut) {
    int i = 0;
    for (; i < cut && written[i]; i++)
        if (printed[i] != static_cast<char>(Toupper(written[i]))) return false;
    return printed[i] == '\0';
}

// A printed form that is not the name's plain cut gave way to another
// name's; that one is the entry of table[first..last] printing as the cut.
template <int Size>
bool noteGivenWay(Store& s, Place at, const char* what, const char* written, const char* printed,
                  const char (*table)[Size], int first, int last,
                  const char* (*nameOf)(const Store&, int)) {
    if (printsPlain(written, printed, Size - 1)) return false;
    char plain[Size] = {};
    std::memcpy(plain, written, strnlen(written, Size - 1));
    strupr(plain);
    for (int i = first; i <= last; i++) {
        if (+table[i] == printed || std::strcmp(table[i], plain) != 0) continue;
        std::string text =
            format("the %ss %s and %s both cut to %s in the reports, which hold %d characters "
                   "of a %s; %s prints as %s",
                   what, nameOf(s, i), written, plain, Size - 1, what, written, printed);
        if (Size - 1 > report_name_width)
            text += format(", and as %.*s in their summaries", report_name_width, printed);
        warn(s, NoteKind::same_cut_name, at, text);
        return true;
    }
    warn(s, NoteKind::same_cut_name, at,
         format("the %s %s prints as %s in the reports, since another %s prints as %s", what,
                written, printed, what, plain));
    return true;
}

} // namespace

void noteCutName(Store& s, Place at, int k) {
    const char* name = var_name(s, k);
    const char* printed = s.tab.varname[k];
    if (noteGivenWay(s, at, "name", name, printed, s.tab.varname, 1, k - 1, var_name)) return;
    if (std::strlen(name) <= report_name_width) return;
    for (int i = 1; i < k; i++) {
        if (std::strncmp(s.tab.varname[i], printed, report_name_width) != 0) continue;
        warn(s, NoteKind::same_cut_name, at,
             format("the names %s and %s both print as %.*s in the reports, which cut names to "
                    "%d characters",
                    var_name(s, i), name, report_name_width, printed, report_name_width));
        return;
    }
    if (std::strlen(name) < name_size)
        warn(s, NoteKind::cut_name, at,
             format("the name %s prints as %.*s in the reports, which cut names to %d characters",
                    name, report_name_width, printed, report_name_width));
    else
        warn(s, NoteKind::cut_name, at,
             format("the name %s prints as %s in the reports, which hold %d characters of a "
                    "name, and as %.*s in their summaries, which hold %d",
                    name, printed, name_size - 1, report_name_width, printed, report_name_width));
}

void noteCutLabel(Store& s, Place at, int r) {
    const char* label = row_name(s, r);
    const char* printed = s.model.rname[r];
    int last = std::max(r, s.model.num_cons);
    if (noteGivenWay(s, at, "row label", label, printed, s.model.rname, 0, last, row_name)) return;
    if (std::strlen(label) < label_size) return;
    warn(s, NoteKind::cut_name, at,
         format("the row label %s prints as %s in the reports, which hold %d characters of a "
                "row label",
                label, printed, label_size - 1));
}

} // namespace zep::detail
