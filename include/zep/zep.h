// zep as a library: read a small linear program, solve it, and get the
// answer as data and the reports as text, byte for byte what the zep
// programs print. Every call works on its own state, so calls on
// different threads do not meet.
#pragma once

#include <limits>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace zep {

enum class Sense { minimize, maximize };
enum class Relation { less_equal, greater_equal, equal };

// What reading or solving noticed about a model that its writer may not
// have meant: the programs print these as warnings on standard error.
enum class NoteKind {
    flipped_row,
    objective_constant,
    relation_spelling,
    repeated_variable,
    completed_row,
    cut_name,
    same_cut_name,
    inexact_number
};
struct Note {
    NoteKind kind;
    int line = 0;   // in the model text; 0 where no line applies
    int column = 0; // 0 where no column is known
    std::string text;
};

inline constexpr double infinity = std::numeric_limits<double>::infinity();

struct Constraint {
    std::string label;                // at most 255 characters
    std::vector<double> coefficients; // one per variable
    Relation relation = Relation::less_equal;
    // Where the variables at their lower bounds leave it negative, solving
    // multiplies the row by -1, with a flipped_row note.
    double rhs = 0;
    // The row was written with a negative right-hand side and is held
    // multiplied by -1 (coefficients, relation and rhs as held); an answer
    // gives its dual value and right-hand-side range as written.
    bool flipped = false;
    // A ranged row holds on both sides: "<=" rhs and ">=" rhs - range, or
    // ">=" rhs and "<=" rhs + range (an "=" row takes no range). infinity:
    // one side only.
    double range = infinity;
};

// At most 30 constraints and 50 columns, counting the slack, surplus and
// artificial columns that solving adds, and a second column for each
// variable without a lower bound. Names of up to 255 characters are
// kept whole and in their case (the algebraic and matrix forms upper-case
// them as they read them) and compared without case; the reports print
// them upper-cased and cut to their fields, 12 characters for a variable
// and 8 for a row, and the answer gives them whole.
struct Model {
    Sense sense = Sense::minimize;
    std::string sense_word; // as written ("max", "MAXIMIZE"); empty for "MAX" or "MIN"
    std::string objective_label;
    std::vector<double> objective; // one per variable
    double objective_constant = 0; // added to the objective's value
    std::vector<std::string> variables;
    // Each variable's bounds, one per variable, -infinity and infinity for
    // none; empty vectors mean 0 and infinity for every variable.
    std::vector<double> lower;
    std::vector<double> upper;
    std::vector<Constraint> constraints;
    std::vector<Note> notes; // what read_model noticed in the text
};

// Reads a model in any of zep's four forms (the algebraic form, the matrix
// form, the CPLEX LP format or MPS), told apart as zep-solve tells them,
// with its bounds, ranges and objective constant. A model without an
// objective is refused here.
Model read_model(std::string_view text);

// The model in the CPLEX LP format, MPS or the algebraic form, as
// zep-convert writes it; a model that the form cannot hold (a name it does
// not take, bounds in the algebraic form) throws Error.
std::string write_lp(const Model& model);
std::string write_mps(const Model& model);
std::string write_algebraic(const Model& model);

// The option letters of the command line that change a solve's report.
struct Options {
    bool ranging = false;       // r: cost and right-hand-side ranging
    bool final_tableau = false; // f: the final tableau
    bool trace = false;         // t: the starting tableau and each iteration
    bool exchanges = false;     // x: each basis exchange
    bool fractions = false;     // --fractions: tableaux and report values as exact fractions
    bool picture = false;       // --svg: the SVG picture of a model with two variables
    // false: no report text (Answer::report and the fractions stay empty),
    // for callers that want only the numbers, which are proven all the same.
    bool report = true;
};

enum class Outcome { optimal, infeasible, unbounded };

struct VariableValue {
    std::string name;
    double value = 0;
    double reduced_cost = 0;
};

struct RowValue {
    std::string label;
    double slack = 0; // slack of a "<=" row, surplus of a ">=" row
    double dual = 0;  // of the row as written, flipped or not
};

// One line of a ranging table; a limit without end is +-infinity, and
// `becomes` names the column that enters or leaves the basis there (a
// free variable by its own name). A ranged row's right-hand side is not
// ranged: NaN on both sides.
struct Range {
    std::string name;
    double current = 0;
    double upper = 0;
    std::string upper_becomes;
    double lower = 0;
    std::string lower_becomes;
};

struct Answer {
    Outcome outcome = Outcome::optimal;
    // In the model's own sense: when optimal, the optimum; when unbounded,
    // the objective at the feasible point from which unbounded_variable
    // grows without limit; when infeasible, 0.
    double objective = 0;
    int iterations = 0;
    std::vector<VariableValue> variables; // when optimal
    std::vector<RowValue> rows;           // when optimal
    std::vector<Range> cost_ranges;       // when optimal, with Options::ranging
    std::vector<Range> rhs_ranges;        // when optimal, with Options::ranging
    std::string unbounded_variable;       // when unbounded
    std::vector<std::string> unmet_rows;  // when infeasible: the rows the report lists
    bool exact = false;                   // the values came from the exact re-solve
    std::string report;                   // what zep-solve prints after its "Processing" line
    std::vector<Note> notes;  // the model's notes, what solving it noticed, a flipped_row note for
                              // each flipped row
    std::string picture;      // with Options::picture: the SVG text zep-solve --svg writes
    std::string picture_note; // with Options::picture: why there is none, where there is none
};

Answer solve(const Model& model, const Options& options = {});

// The model listed back in algebraic notation, as zep-parse prints it after
// its echo of the model text.
std::string listing(const Model& model);

// What went wrong, and with it the programs' exit status: 1 for command_line
// and file, 2 for capacity, 255 for the rest.
enum class ErrorKind {
    input,        // the algebraic form's numbered input errors
    matrix_input, // the matrix form's refusals
    lp_input,     // the CPLEX LP format's refusals
    mps_input,    // MPS's refusals
    model,        // a Model the library or a target form cannot hold
    capacity,     // more columns than the store's 50
    engine,       // the simplex's error exit
    file,         // a model file that cannot be opened or read
    command_line  // an option or argument the programs do not take
};

// A model that cannot be read, held or solved. what() is the message,
// without the place; line() and column() where in the model text it
// stands (0 where not known).
class Error : public std::runtime_error {
  public:
    Error(const std::string& message, int status, ErrorKind kind = ErrorKind::model, int line = 0,
          int column = 0)
        : std::runtime_error(message), code(status), what_kind(kind), at_line(line),
          at_column(column) {}
    int status() const noexcept { return code; }
    ErrorKind kind() const noexcept { return what_kind; }
    int line() const noexcept { return at_line; }
    int column() const noexcept { return at_column; }

  private:
    int code;
    ErrorKind what_kind;
    int at_line;
    int at_column;
};

} // namespace zep
