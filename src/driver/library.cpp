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
#include <string_view>

#include "driver/session.h"
#include "driver/solve.h"
#include "input/chars.h"
#include "input/form.h"
#include "input/matrix.h"
#include "input/model_input.h"
#include "input/names.h"
#include "input/scanner.h"
#include "picture/svg.h"
#include "reports/listing.h"
#include "reports/model_writer.h"
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

// What follows the reader's "Processing" line.
std::string afterFirstLine(std::string_view out) {
    std::size_t end = out.find('\n');
    return end == std::string_view::npos ? std::string() : std::string(out.substr(end + 1));
}

// Negative zero, which the tableau's changes of sign leave behind, reads as
// zero in an answer; the reports print from the tableau as before.
double plain(double v) {
    return v + 0.0;
}

// A side without a limit is infinite in the answer, a line the tables
// do not range has NaN on both sides; names are whole.
Range rangeOf(const Store& s, const RangeLine& line, const char* name) {
    auto becomes = [&](const Limit& l) {
        return std::string(l.column ? var_name(s, l.column) : "");
    };
    double none = std::numeric_limits<double>::infinity();
    if (!line.given) {
        double nan = std::numeric_limits<double>::quiet_NaN();
        return {name, plain(line.current), nan, "", nan, ""};
    }
    return {name,
            plain(line.current),
            line.upper.column ? plain(line.upper.value) : none,
            becomes(line.upper),
            line.lower.column ? plain(line.lower.value) : -none,
            becomes(line.lower)};
}

// A flipped row as written: its dual value changes sign, and its
// right-hand side's range turns round, -hi to -lo. A row is flipped from
// the Model's where either the Model holds it flipped (read_model's) or
// the solve flipped it, not both.
void asWritten(Answer& a, const Model& model, const Store& s) {
    for (std::size_t r = 0; r < model.constraints.size(); r++) {
        const Constraint& c = model.constraints[r];
        bool by_solve = s.model.flipped[r + 1] != 0;
        if (c.flipped || (by_solve && c.rhs < 0)) {
            int type = s.tab.row_type[r + 1];
            const char* relation = type > 0 ? "<=" : type < 0 ? ">=" : "=";
            a.notes.push_back({NoteKind::flipped_row, 0, 0,
                               "row " + c.label +
                                   " had a negative right-hand side; multiplied by -1, its "
                                   "relation is now " +
                                   relation});
        }
        if (c.flipped == by_solve) continue;
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
    a.report = afterFirstLine(run.written());
    if (a.outcome == Outcome::unbounded) {
        // A free variable's negative part that grows: the variable decreases.
        int v = written_column(s, s.engine.piv_col);
        a.unbounded_variable = var_name(s, v);
        a.unbounded_decreases = v != s.engine.piv_col;
    }
    for (int r = 1; r <= s.model.num_cons && a.outcome == Outcome::infeasible; r++)
        if (row_unmet(s, r)) a.unmet_rows.emplace_back(row_name(s, r));
    if (a.outcome != Outcome::optimal) return a;
    a.variables.reserve(static_cast<std::size_t>(written_vars(s)));
    a.rows.reserve(static_cast<std::size_t>(s.model.num_cons));
    for (int j = 1; j <= written_vars(s); j++)
        a.variables.push_back(
            {var_name(s, j), plain(written_value(s, j)), plain(reduced_cost(s, j))});
    for (int r = 1; r <= s.model.num_cons; r++) {
        RowSummary row = row_summary(s, r);
        a.rows.push_back({row_name(s, r), plain(row.slack), plain(row.marginal)});
    }
    if (!s.opt.show_range) return a;
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
    const Store& s = run.store();
    if (s.model.rname[0][0] == '\0') throw Error("the model has no objective", 255);
    Model m = model_of(s);
    m.notes = run.notes();
    return m;
}

Answer solve(const Model& model, const Options& options) {
    Session run;
    Store& s = run.store();
    s.opt.numbers_only = !options.report;
    s.opt.show_range = options.ranging;
    s.opt.last_tableau = options.final_tableau && options.report;
    s.opt.debug = options.trace && options.report;
    s.opt.show_exchanges = options.exchanges && options.report;
    s.opt.fractions = options.fractions && options.report;
    s.opt.picture = options.picture;
    std::vector<Step> steps;
    runOrThrow(run, [&](Store& st) {
        initParam(st);
        read_model_data(st, model);
        steps = solve_read(st);
    });
    Answer a = answerOf(run);
    a.notes = model.notes;
    // What reading the Model notices again is not repeated.
    for (const Note& n : run.notes()) {
        bool known = false;
        for (const Note& m : model.notes) known = known || (m.kind == n.kind && m.text == n.text);
        if (!known) a.notes.push_back(n);
    }
    if (options.picture) a.picture = model_picture(s, steps, a.picture_note);
    asWritten(a, model, s);
    return a;
}

namespace {

// What op prints after the Model is read into the store.
template <class Op> std::string afterReading(const Model& model, Op op) {
    Session run;
    std::size_t read = 0;
    runOrThrow(run, [&](Store& s) {
        initParam(s);
        read_model_data(s, model);
        std::fflush(s.out);
        read = run.written().size();
        op(s);
    });
    return std::string(run.written().substr(read));
}

std::string written(const Model& model, ModelForm form) {
    return afterReading(model, [form](Store& s) {
        char why[256];
        if (!writable(s, form, why, sizeof why)) throw Error(why, 255);
        writeModel(s, form);
    });
}

} // namespace

std::string listing(const Model& model) {
    return afterReading(model, [](Store& s) {
        setprob(s);
        showModel(s);
    });
}

std::string write_lp(const Model& model) {
    return written(model, ModelForm::lp);
}

std::string write_mps(const Model& model) {
    return written(model, ModelForm::mps);
}

std::string write_algebraic(const Model& model) {
    return written(model, ModelForm::algebraic);
}

} // namespace zep
