#include "input/model_input.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "input/bounds.h"
#include "input/chars.h"
#include "input/named_model.h"
#include "store/failure.h"

namespace zep::detail {

namespace {

// The part of the model being read, which every refusal names first. It is
// written for every variable and row, refused or not, so without snprintf.
void at(NamedModel& m, const char* what, std::size_t k, std::size_t n) {
    char* end = m.text + sizeof m.text - 1;
    char* p = m.text + std::strlen(std::strcpy(m.text, what));
    *p++ = ' ';
    p = std::to_chars(p, end, k).ptr;
    p = std::strcpy(p, " of ") + 4;
    *std::to_chars(p, end, n).ptr = '\0';
}

// A name is one word in every form the model may be written in.
void checkWord(Store& s, NamedModel& m, const std::string& word, const char* what) {
    bool blank = word.empty();
    for (char c : word) blank = blank || c == '\0' || std::isspace(static_cast<unsigned char>(c));
    if (blank) refuseLine(s, m, "%s '%s' is empty or holds a blank", what, word.c_str());
}

void checkCount(Store& s, NamedModel& m, std::size_t count, std::size_t variables,
                const char* what) {
    if (count != variables) refuseLine(s, m, "%zu %s for %zu variables", count, what, variables);
}

double number(Store& s, NamedModel& m, double v, const char* what) {
    if (std::isnan(v)) refuseLine(s, m, "the %s is not a number", what);
    return v;
}

void readSense(Store& s, NamedModel& m, const Model& model) {
    std::string word = model.sense_word;
    if (word.empty()) word = model.sense == Sense::maximize ? "MAX" : "MIN";
    std::snprintf(m.text, sizeof m.text, "the sense");
    checkWord(s, m, word, "sense word");
    if (word.size() >= sense_size)
        refuseLine(s, m, "the sense word is longer than %d characters", sense_size - 1);
    if ((strnicmp(word.c_str(), "max", 3) == 0) != (model.sense == Sense::maximize))
        refuseLine(s, m, "the sense word '%s' does not match the sense", word.c_str());
    std::snprintf(s.model.minmax, sizeof s.model.minmax, "%s", word.c_str());
    s.model.z_mult = model.sense == Sense::maximize ? -1.0 : 1.0;
}

void readVariables(Store& s, NamedModel& m, const Model& model) {
    std::size_t n = model.variables.size();
    if (n > max_names) {
        at(m, "variable", n, n);
        fail(s, ErrorKind::capacity, {}, nullptr,
             format("%s: more than the %d columns the store holds", m.text, max_names));
    }
    for (std::size_t k = 0; k < n; k++) {
        at(m, "variable", k + 1, n);
        const std::string& name = model.variables[k];
        checkWord(s, m, name, "the name");
        // A name given before is found, not added.
        if (columnOf(s, m, name.c_str(), true) <= static_cast<int>(k))
            refuseLine(s, m, "the name %s is given twice", name.c_str());
    }
}

void readBounds(Store& s, NamedModel& m, const Model& model) {
    std::size_t n = model.variables.size();
    std::snprintf(m.text, sizeof m.text, "the bounds");
    if (!model.lower.empty()) checkCount(s, m, model.lower.size(), n, "lower bounds");
    if (!model.upper.empty()) checkCount(s, m, model.upper.size(), n, "upper bounds");
    for (std::size_t k = 0; k < n; k++) {
        at(m, "variable", k + 1, n);
        int j = static_cast<int>(k) + 1;
        double lower = model.lower.empty() ? 0.0 : number(s, m, model.lower[k], "lower bound");
        double upper = model.upper.empty() ? infinity : number(s, m, model.upper[k], "upper bound");
        if (lower <= -s.tol.infinity) {
            setFree(s, m, j);
            setUpper(s, m, j, upper);
        } else {
            setLower(s, m, j, lower);
            setUpper(s, m, j, upper);
        }
    }
}

void readObjective(Store& s, NamedModel& m, const Model& model) {
    std::snprintf(m.text, sizeof m.text, "the objective");
    checkWord(s, m, model.objective_label, "the label");
    labelRow(s, m, 0, model.objective_label.c_str());
    checkCount(s, m, model.objective.size(), model.variables.size(), "coefficients");
    for (std::size_t k = 0; k < model.objective.size(); k++)
        s.tab.a_mat[0][k + 1] = number(s, m, model.objective[k], "coefficient");
    s.model.obj_const = number(s, m, model.objective_constant, "constant");
    if (std::isinf(s.model.obj_const)) refuseLine(s, m, "the constant is infinite");
}

void readConstraints(Store& s, NamedModel& m, const Model& model) {
    std::size_t n = model.constraints.size();
    if (n > max_cons) {
        at(m, "constraint", n, n);
        refuseLine(s, m, "more than the %d constraints the store holds", max_cons);
    }
    for (std::size_t i = 0; i < n; i++) {
        const Constraint& c = model.constraints[i];
        at(m, "constraint", i + 1, n);
        checkWord(s, m, c.label, "the label");
        int relation = c.relation == Relation::less_equal      ? 1
                       : c.relation == Relation::greater_equal ? -1
                                                               : 0;
        int r = addRow(s, m, c.label.c_str(), relation);
        checkCount(s, m, c.coefficients.size(), model.variables.size(), "coefficients");
        for (std::size_t k = 0; k < c.coefficients.size(); k++) {
            double v = number(s, m, c.coefficients[k], "coefficient");
            if (std::isinf(v)) refuseLine(s, m, "a coefficient is infinite");
            s.tab.a_mat[r][k + 1] = v;
        }
        s.model.rrhs[r] = number(s, m, c.rhs, "right-hand side");
        if (std::isinf(c.rhs)) refuseLine(s, m, "the right-hand side is infinite");
        double range = number(s, m, c.range, "range");
        if (range < 0) refuseLine(s, m, "the range %g is negative", range);
        if (range >= s.tol.infinity) continue;
        if (relation == 0) refuseLine(s, m, "an \"=\" row takes no range");
        setRange(s, r, range);
    }
}

double unbounded(const Store& s, double v) {
    return v >= s.tol.infinity ? infinity : v <= -s.tol.infinity ? -infinity : v;
}

} // namespace

void read_model_data(Store& s, const Model& model) {
    NamedModel m;
    startNamedModel(s, m, model_form);
    readSense(s, m, model);
    readVariables(s, m, model);
    readObjective(s, m, model);
    readConstraints(s, m, model);
    readBounds(s, m, model);
    std::snprintf(m.text, sizeof m.text, "the model");
    finishNamedModel(s, m);
}

Model model_of(const Store& s) {
    Model m;
    m.sense = s.model.z_mult < 0 ? Sense::maximize : Sense::minimize;
    m.sense_word = s.model.minmax;
    m.objective_label = row_name(s, 0);
    m.objective_constant = s.model.obj_const;
    for (int j = 1; j <= written_vars(s); j++) {
        m.variables.emplace_back(var_name(s, j));
        m.objective.push_back(s.model.a_read[0][j]);
        bool split = s.model.neg_col[j] != 0;
        m.lower.push_back(split ? -infinity : s.model.lower[j]);
        m.upper.push_back(unbounded(s, s.model.upper[j]));
    }
    for (int r = 1; r <= s.model.num_cons; r++) {
        Constraint c;
        c.label = row_name(s, r);
        c.coefficients.assign(&s.model.a_read[r][1], &s.model.a_read[r][1] + written_vars(s));
        c.relation = s.tab.row_type[r] > 0   ? Relation::less_equal
                     : s.tab.row_type[r] < 0 ? Relation::greater_equal
                                             : Relation::equal;
        c.rhs = s.model.rrhs[r];
        c.flipped = s.model.flipped[r] != 0;
        if (s.model.has_range[r]) c.range = s.model.range[r];
        m.constraints.push_back(std::move(c));
    }
    return m;
}

} // namespace zep::detail
