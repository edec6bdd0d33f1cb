// The library's calls: each runs the programs' own operations in a session
// of its own and turns the store it leaves into data.
#include <zep/zep.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>
#include <optional>
#include <string>

#include "driver/session.h"
#include "driver/solve.h"
#include "input/chars.h"
#include "input/form.h"
#include "input/matrix.h"
#include "input/names.h"
#include "input/scanner.h"
#include "picture/svg.h"
#include "reports/listing.h"
#include "reports/ranging.h"
#include "reports/values.h"
#include "stdform/stdform.h"

namespace zep {

using namespace detail;

namespace {

// A run that ended in error throws what it failed with; the place is kept
// where the text read was the caller's own.
template <class Op> void runOrThrow(Session& run, Op op, bool callersText = false) {
    int status = run.run(op);
    if (const std::optional<Failure>& f = run.failure()) {
        Place at = callersText ? f->at : Place{};
        throw Error(f->message, f->status, f->kind, at.line, at.column);
    }
    if (status >= 0) throw Error("the run ended early", status);
}

// A name travels as one word of the matrix form.
void checkWord(const std::string& word, const char* what) {
    bool blank = word.empty();
    for (char c : word) blank = blank || c == '\0' || std::isspace(static_cast<unsigned char>(c));
    if (blank) throw Error(std::string(what) + " '" + word + "' is empty or holds a blank", 255);
}

void checkLength(const std::vector<double>& v, const Model& m, const std::string& row) {
    if (v.size() != m.variables.size())
        throw Error("row " + row + " has " + std::to_string(v.size()) + " coefficients for " +
                        std::to_string(m.variables.size()) + " variables",
                    255);
}

std::string number(double v) {
    char text[32];
    std::snprintf(text, sizeof text, " %.17g", v);
    return text;
}

constexpr std::size_t name_max = long_name_size - 1;

void checkName(const std::string& name, const char* what) {
    checkWord(name, what);
    if (name.size() > name_max)
        throw Error(std::string(what) + " " + name + " is longer than " + std::to_string(name_max) +
                        " characters",
                    255);
}

// The printed forms of names (input/names.h), which fit the matrix form's
// fields; the answer gives the Model's own names again.
template <int Size>
std::vector<std::string> printedForms(const std::vector<const std::string*>& names) {
    auto table = std::make_unique<char[][Size]>(names.size());
    std::vector<std::string> forms;
    for (std::size_t i = 0; i < names.size(); i++) {
        printedForm(table[i], names[i]->c_str(), table.get(), 0, static_cast<int>(i));
        forms.emplace_back(table[i]);
    }
    return forms;
}

// Whether every name of the model is its own printed form but for case, so
// that the matrix text carries the names themselves.
bool namesFitFields(const Model& m) {
    auto fits = [](const std::string& name, int size) {
        return name.size() < static_cast<std::size_t>(size);
    };
    for (const std::string& name : m.variables)
        if (!fits(name, name_size)) return false;
    if (!fits(m.objective_label, label_size)) return false;
    for (const Constraint& c : m.constraints)
        if (!fits(c.label, label_size)) return false;
    return true;
}

// The model in the matrix form, whose reader then checks it as it checks a
// file: numbers in full precision read back as the same doubles; names in
// their printed forms.
std::string matrixText(const Model& m) {
    std::string word = m.sense_word;
    if (word.empty()) word = m.sense == Sense::maximize ? "MAX" : "MIN";
    checkWord(word, "sense word");
    if ((strnicmp(word.c_str(), "max", 3) == 0) != (m.sense == Sense::maximize))
        throw Error("sense word '" + word + "' does not match the sense", 255);
    std::string text = word + " " + std::to_string(m.variables.size()) + " " +
                       std::to_string(m.constraints.size()) + "\n";
    std::vector<const std::string*> vars, rows{&m.objective_label};
    for (const std::string& name : m.variables) {
        checkName(name, "variable name");
        vars.push_back(&name);
    }
    checkName(m.objective_label, "objective label");
    for (const Constraint& c : m.constraints) {
        checkName(c.label, "row label");
        rows.push_back(&c.label);
    }
    std::vector<std::string> varForms = printedForms<name_size>(vars);
    std::vector<std::string> rowForms = printedForms<label_size>(rows);
    for (const std::string& form : varForms) text += form + "\n";
    checkLength(m.objective, m, m.objective_label);
    text += rowForms[0];
    for (double v : m.objective) text += number(v);
    for (std::size_t r = 0; r < m.constraints.size(); r++) {
        const Constraint& c = m.constraints[r];
        checkLength(c.coefficients, m, c.label);
        text += "\n" + rowForms[r + 1];
        for (double v : c.coefficients) text += number(v);
        text += c.relation == Relation::less_equal      ? " <="
                : c.relation == Relation::greater_equal ? " >="
                                                        : " =";
        text += number(c.rhs);
    }
    return text + "\n";
}

Model modelOf(const Store& s) {
    Model m;
    m.sense = s.model.z_mult < 0 ? Sense::maximize : Sense::minimize;
    m.sense_word = s.model.minmax;
    m.objective_label = row_name(s, 0);
    for (int j = 1; j <= s.model.num_vars; j++) {
        m.variables.emplace_back(var_name(s, j));
        m.objective.push_back(s.tab.a_mat[0][j]);
    }
    for (int r = 1; r <= s.model.num_cons; r++) {
        Constraint c;
        c.label = row_name(s, r);
        c.coefficients.assign(&s.tab.a_mat[r][1], &s.tab.a_mat[r][1] + s.model.num_vars);
        c.relation = s.tab.row_type[r] > 0   ? Relation::less_equal
                     : s.tab.row_type[r] < 0 ? Relation::greater_equal
                                             : Relation::equal;
        c.rhs = s.model.rrhs[r];
        c.flipped = s.model.flipped[r] != 0;
        m.constraints.push_back(std::move(c));
    }
    return m;
}

// The Model's names, whole and in their case, beside the printed forms
// that the matrix text carried.
void keepNames(Store& s, const Model& m) {
    auto keep = [](char* slot, const std::string& name) {
        std::memcpy(slot, name.c_str(), name.size() + 1);
    };
    keep(s.names.row[0], m.objective_label);
    for (std::size_t r = 0; r < m.constraints.size(); r++)
        keep(s.names.row[r + 1], m.constraints[r].label);
    for (std::size_t j = 0; j < m.variables.size(); j++) keep(s.names.var[j + 1], m.variables[j]);
}

// What follows the reader's "Processing" line.
std::string afterFirstLine(const std::string& out) {
    std::size_t end = out.find('\n');
    return end == std::string::npos ? std::string() : out.substr(end + 1);
}

// Negative zero, which the tableau's changes of sign leave behind, reads as
// zero in an answer; the reports print from the tableau as before.
double plain(double v) {
    return v + 0.0;
}

// A side without a limit is infinite in the answer; names are whole.
Range rangeOf(const Store& s, const RangeLine& line, const char* name) {
    auto becomes = [&](const Limit& l) {
        return std::string(l.column ? var_name(s, l.column) : "");
    };
    double none = std::numeric_limits<double>::infinity();
    return {name,
            plain(line.current),
            line.upper.column ? plain(line.upper.value) : none,
            becomes(line.upper),
            line.lower.column ? plain(line.lower.value) : -none,
            becomes(line.lower)};
}

// A flipped row as written: its dual value changes sign, and its
// right-hand side's range turns round, -hi to -lo.
void asWritten(Answer& a, const Model& model) {
    for (std::size_t r = 0; r < model.constraints.size(); r++) {
        const Constraint& c = model.constraints[r];
        if (!c.flipped) continue;
        const char* relation = c.relation == Relation::less_equal      ? "<="
                               : c.relation == Relation::greater_equal ? ">="
                                                                       : "=";
        a.notes.push_back({NoteKind::flipped_row, 0, 0,
                           "row " + c.label +
                               " had a negative right-hand side; multiplied by -1, its "
                               "relation is now " +
                               relation});
        if (r < a.rows.size()) a.rows[r].dual = plain(-a.rows[r].dual);
        if (r < a.rhs_ranges.size()) {
            Range& g = a.rhs_ranges[r];
            g = {g.name,          plain(-g.current), plain(-g.lower),
                 g.lower_becomes, plain(-g.upper),   g.upper_becomes};
        }
    }
}

Answer answerOf(Session& run) {
    const Store& s = run.store();
    Answer a;
    a.outcome = s.engine.end_stat;
    a.objective = a.outcome == Outcome::infeasible ? 0.0 : plain(objective_value(s));
    a.iterations = s.engine.pivots;
    a.exact = s.engine.exact_tableau != 0;
    a.report = afterFirstLine(run.output());
    if (a.outcome == Outcome::unbounded) a.unbounded_variable = var_name(s, s.engine.piv_col);
    for (int r = 1; r <= s.model.num_cons && a.outcome == Outcome::infeasible; r++)
        if (row_unmet(s, r)) a.unmet_rows.emplace_back(row_name(s, r));
    if (a.outcome != Outcome::optimal) return a;
    for (int j = 1; j <= written_vars(s); j++)
        a.variables.push_back(
            {var_name(s, j), plain(written_value(s, j)), plain(reduced_cost(s, j))});
    for (int r = 1; r <= s.model.num_cons; r++) {
        RowSummary row = row_summary(s, r);
        a.rows.push_back({row_name(s, r), plain(row.slack), plain(row.marginal)});
    }
    if (!s.opt.show_range) return a;
    if (!only_non_negative(s)) return a;
    Ranging g = final_ranging(s);
    for (std::size_t i = 0; i < g.cost.size(); i++)
        a.cost_ranges.push_back(rangeOf(s, g.cost[i], var_name(s, static_cast<int>(i) + 1)));
    for (std::size_t i = 0; i < g.rhs.size(); i++)
        a.rhs_ranges.push_back(rangeOf(s, g.rhs[i], row_name(s, static_cast<int>(i) + 1)));
    return a;
}

} // namespace

Model read_model(std::string_view text) {
    Session run(text);
    runOrThrow(
        run,
        [](Store& s) {
            initParam(s);
            readModel(s);
        },
        true);
    // A Model has no place for these yet; dropping them would change the model.
    const Store& s = run.store();
    if (!only_non_negative(s) || s.model.obj_const != 0)
        throw Error("the model has bounds, ranges or an objective constant, which a Model does "
                    "not hold",
                    255);
    Model m = modelOf(s);
    m.notes = run.notes();
    return m;
}

Answer solve(const Model& model, const Options& options) {
    std::string text = matrixText(model);
    Session run(text);
    Store& s = run.store();
    s.opt.show_range = options.ranging;
    s.opt.last_tableau = options.final_tableau;
    s.opt.debug = options.trace;
    s.opt.show_exchanges = options.exchanges;
    s.opt.fractions = options.fractions;
    s.opt.picture = options.picture;
    std::vector<Step> steps;
    runOrThrow(run, [&](Store& st) {
        initParam(st);
        steps = solve(st);
    });
    keepNames(s, model);
    Answer a = answerOf(run);
    a.notes = model.notes;
    // The model travels as matrix text, whose places mean nothing to the
    // caller; what that reading notices again is not repeated, nor what it
    // says of the printed forms that stood for longer names.
    bool forms = !namesFitFields(model);
    for (Note n : run.notes()) {
        if (forms && (n.kind == NoteKind::cut_name || n.kind == NoteKind::same_cut_name)) continue;
        bool known = false;
        for (const Note& m : model.notes) known = known || (m.kind == n.kind && m.text == n.text);
        if (known) continue;
        n.line = n.column = 0;
        a.notes.push_back(std::move(n));
    }
    if (options.picture) a.picture = model_picture(s, steps, a.picture_note);
    asWritten(a, model);
    return a;
}

std::string listing(const Model& model) {
    std::string text = matrixText(model);
    Session run(text);
    runOrThrow(run, [](Store& s) {
        initParam(s);
        generate2(s);
        setprob(s);
        showModel(s);
    });
    return afterFirstLine(run.output());
}

} // namespace zep
