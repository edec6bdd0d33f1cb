// The model store: every table, count, switch and tolerance of one run.
// Each operation of zep takes the store by reference as its first
// parameter; nothing else is shared.
#pragma once

#include <zep/zep.h>

#include <cstdio>
#include <memory>
#include <vector>

#include "store/written_names.h"

namespace zep::detail {

// Capacities, fixed at build time.
constexpr int max_cons = 30;        // constraint rows
constexpr int max_names = 50;       // named columns: variables and added columns
constexpr int tab_rows = 32;        // objective row, 30 constraints, phase-1 row
constexpr int tab_cols = 81;        // right-hand side and 80 further columns
constexpr int name_size = 13;       // column name: 12 characters and the terminator
constexpr int label_size = 9;       // row label: 8 characters and the terminator
constexpr int long_name_size = 256; // a name as written: at most 255 characters
constexpr int buf_size = 100;       // shared text buffer, terminator included
constexpr int sense_size = 12;
constexpr int program_size = 32;  // a program's name in its messages
constexpr int out_buf_size = 160; // one composed listing line, with room to spare

// Thrown where a run ends early without an error (the usage text, --help,
// --version); each main catches it and returns the status. Errors end a
// run through fail() (store/failure.h).
struct ProcessEnd {
    int status;
};

// A place in a model text, 1-based; 0 where the line or the column is not
// known.
struct Place {
    int line = 0;
    int column = 0;
};

// A Store is large (the tableau alone is 20 KiB); keep one per run. Its
// fields are grouped by who writes them; each part is read by those after.
struct Store {
    // The run's streams: the output of every report and the model file with
    // its name; and the text buffer of the scanner's token and of composed
    // headings.
    FILE* out = stdout;
    FILE* luin = nullptr;
    char file_name[buf_size] = {};
    char buf[buf_size] = {};

    // The model as read, written by the readers and read by all after them.
    struct AsRead {
        int num_vars = 0;
        int num_cons = 0;
        double z_mult = 0.0;
        char minmax[sense_size] = {};
        char rname[tab_rows][label_size] = {};
        double rrhs[tab_rows] = {};
        // Rows written with a negative right-hand side, which the reader
        // multiplied by -1 (the LP format and MPS).
        char flipped[tab_rows] = {};
        // Rows 0 to num_cons as read, in columns 0 (the right-hand side) to
        // num_vars: the tableau's before the standard form adds columns.
        // The simplex keeps off it.
        double a_read[tab_rows][max_names + 1] = {};
        // The bounds of each column in the model's numbers (lower is finite
        // once the readers end, upper is infinity where there is none) and
        // the constant of the objective. A free variable is the difference
        // of two columns: its own, and the column neg_col names among the
        // last num_split columns, which the reports fold into it.
        double lower[tab_cols] = {};
        double upper[tab_cols] = {};
        int neg_col[tab_cols] = {};
        int num_split = 0;
        double obj_const = 0;
        // A ranged row: its slack or surplus column may rise no further
        // than range[r] (the row is "<=" rrhs and ">=" rrhs - range, or
        // ">=" rrhs and "<=" rrhs + range).
        char has_range[tab_rows] = {};
        double range[tab_rows] = {};
    } model;

    // The names of the variables and rows as the LP format and MPS write
    // them, whole and in their own case; varname and rname hold their
    // printed forms, which the reports use. Empty where the printed form is
    // the whole name (the algebraic and matrix forms, which upper-case names
    // that fit their fields). A name holds at most long_name_size - 1
    // characters.
    struct Names {
        WrittenNames<max_names + 1> var;
        WrittenNames<tab_rows> row;
    } names;

    // The tableau and its basis: filled by the readers and the standard
    // form, transformed by the engine, read by the dump and the reports.
    struct Tableau {
        double a_mat[tab_rows][tab_cols] = {};
        double cost[tab_cols] = {};
        double upperb[tab_cols] = {};
        double lowerb[tab_cols] = {};
        char isart[tab_cols] = {};
        int col_status[tab_cols] = {};
        char varname[max_names + 1][name_size] = {};
        int row_type[tab_rows] = {}; // the relation: 1 "<=", -1 ">=", 0 "="
        int basis_index[tab_rows] = {};
        // The columns the standard form added for each row, recorded as it
        // adds them: the slack, surplus or (for an "=" row) artificial
        // column that the row's reports and checks read, and the artificial
        // column, 0 for a "<=" row.
        int added_col[tab_rows] = {};
        int art_col[tab_rows] = {};
        int nnames = 0;
        int last_col = 0;
        int last_row = 0;
        int ph2_row = 0;
        int ph1_row = 0;
        int obj_row = 0;
        int phase = 0;
        int rhs_col = 0;
        int num_artif = 0;
    } tab;

    // The engine's results, which the check and the reports read: how the
    // run ended, its steps, the column an unbounded end moves without
    // limit, and whether the final tableau came from the exact re-solve.
    // The routines of a run hand each other their values directly.
    struct Engine {
        Outcome end_stat = Outcome::optimal;
        int pivots = 0;
        int piv_col = 0;
        int exact_tableau = 0;
    } engine;

    // Run switches, set by the command line.
    struct Switches {
        int echo = 1;
        int dispModel = 1;
        int inputMatrix = 0;
        int last_tableau = 0;
        int show_range = 0;
        int debug = 0;
        int show_exchanges = 0;
        int fractions = 0;              // --fractions: tableaux and reports in exact fractions
        int picture = 0;                // draw the picture of a two-variable model
        const char* svg_file = nullptr; // --svg=FILE: where zep-solve writes it
        int numbers_only = 0;           // the outcome proven and kept, no report printed
    } opt;

    // Numeric parameters; initParam sets all but eps_print.
    struct Tolerances {
        double infinity = 0.0;
        double eps_infe = 0.0;
        double eps_price = 0.0;
        double eps_pivot = 0.0;
        double eps_ratio = 0.0;
        double eps_print = 1e-6;
    } tol;

    // The token scanner of the algebraic reader.
    struct Scanner {
        signed char chtype[256] = {};
        int tokLen = 0;
        int errCol = 0;
        int errLine = 1; // the line of errCol, for callers that report an error's place
        int tokLine = 0; // where the current token's first stored character stands
        int tokCol = 0;
    } scan;

    // What the run says beside the rules' output: the program and the model
    // file that locating lines name, and the notes (warnings) it gathers.
    struct Diagnostics {
        char program[program_size] = "zep";
        char file[buf_size] = {};
        std::vector<Note>* notes = nullptr; // none are kept while null
        int warnings = 1;                   // --no-warnings clears it
    } diag;

    // Where the matrix-form reader stands in its file, and where the word it
    // read last begins.
    struct MatrixReader {
        int line = 1;
        int column = 0;
        Place word;
    } matrix;

    // The line composer of the model listing.
    struct Listing {
        char outBuf[out_buf_size] = {};
        signed char outLen = 0;
    } listing;
};

void initParam(Store& s);

// Variable j's and row r's names as written (see Store::Names).
inline const char* var_name(const Store& s, int j) {
    return s.names.var[j][0] ? s.names.var[j] : s.tab.varname[j];
}
inline const char* row_name(const Store& s, int r) {
    return s.names.row[r][0] ? s.names.row[r] : s.model.rname[r];
}

// Every column is only x >= 0: no bound, shift, free variable or ranged row. The check's
// bounds on the floating-point tableau and the ranging tables are laid out
// for such models; the others are proven by the exact tableau of their
// basis and not ranged.
inline bool only_non_negative(const Store& s) {
    if (s.model.num_split > 0) return false;
    for (int j = 1; j <= s.tab.last_col; j++)
        if (s.model.lower[j] != 0 || s.model.upper[j] != s.tol.infinity) return false;
    for (int r = 1; r <= s.model.num_cons; r++)
        if (s.model.has_range[r]) return false;
    return true;
}

// The variables as the model writes them: the columns before the negative
// parts of free variables.
inline int written_vars(const Store& s) {
    return s.model.num_vars - s.model.num_split;
}

// Keeps rows 0 to num_cons of a_mat as read, before the standard form and
// the simplex transform them: every reader ends with it.
void keep_model(Store& s);

struct UnmapStore {
    void operator()(Store* s) const;
};
using StorePtr = std::unique_ptr<Store, UnmapStore>;

// A store at its start values, the same as std::make_unique<Store>() gives,
// without writing its 40 KiB of zeros: it is mapped from fresh pages, which
// the system clears only as a model first touches them.
StorePtr newStore();

} // namespace zep::detail
