#include "input/warnings.h"

#include <cstring>

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

void noteCutName(Store& s, Place at, int k) {
    const char* name = s.tab.varname[k];
    if (std::strlen(name) <= report_name_width) return;
    for (int i = 1; i < k; i++) {
        if (std::strncmp(s.tab.varname[i], name, report_name_width) != 0) continue;
        warn(s, NoteKind::same_cut_name, at,
             format("the names %s and %s both print as %.*s in the reports, which cut names to "
                    "%d characters",
                    s.tab.varname[i], name, report_name_width, name, report_name_width));
        return;
    }
    warn(s, NoteKind::cut_name, at,
         format("the name %s prints as %.*s in the reports, which cut names to %d characters", name,
                report_name_width, name, report_name_width));
}

} // namespace zep::detail
