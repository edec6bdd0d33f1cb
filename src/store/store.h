// The model store: every table, count, switch and tolerance of one run.
// Each operation of zep takes the store by reference as its first
// parameter; nothing else is shared.
#pragma once

#include <cstdio>
#include <memory>

namespace zep {

// Capacities, fixed at build time.
constexpr int max_cons = 30;  // constraint rows
constexpr int max_names = 50; // named columns: variables and added columns
constexpr int tab_rows = 32;  // objective row, 30 constraints, phase-1 row
constexpr int tab_cols = 81;  // right-hand side and 80 further columns
constexpr int name_size = 13; // column name: 12 characters and the terminator
constexpr int label_size = 9; // row label: 8 characters and the terminator
constexpr int buf_size = 100; // shared text buffer, terminator included
constexpr int sense_size = 12;
constexpr int out_buf_size = 160; // one composed listing line, with room to spare

// Thrown by every place that ends the process; each main catches it,
// flushes the output and returns the status.
struct ProcessEnd {
    int status;
};

// A Store is large (the tableau alone is 20 KiB); keep one per run.
struct Store {
    // Streams: the output of every report, and the model file.
    FILE* out = stdout;
    FILE* luin = nullptr;
    char buf[buf_size] = {};

    // The tableau and its per-row and per-column tables.
    double a_mat[tab_rows][tab_cols] = {};
    double a_read[tab_rows][tab_cols] = {}; // rows 0 to num_cons as read; the simplex keeps off it
    double cost[tab_cols] = {};
    double upperb[tab_cols] = {};
    double lowerb[tab_cols] = {};
    char isart[tab_cols] = {};
    int col_status[tab_cols] = {};
    char varname[max_names + 1][name_size] = {};
    char rname[tab_rows][label_size] = {};
    int row_type[tab_rows] = {};
    double rrhs[tab_rows] = {};
    int basis_index[tab_rows] = {};

    // Counts and positions.
    int num_vars = 0;
    int num_cons = 0;
    int nnames = 0;
    int last_col = 0;
    int last_row = 0;
    int ph2_row = 0;
    int ph1_row = 0;
    int obj_row = 0;
    int phase = 0;
    int rhs_col = 0;
    int num_artif = 0;

    // Objective sense.
    double z_mult = 0.0;
    char minmax[sense_size] = {};

    // Numeric parameters; initParam sets all but eps_print.
    double infinity = 0.0;
    double eps_infe = 0.0;
    double eps_price = 0.0;
    double eps_pivot = 0.0;
    double eps_ratio = 0.0;
    double eps_print = 1e-6;

    // Run switches, set by the command line.
    int echo = 1;
    int dispModel = 1;
    int inputMatrix = 0;
    int last_tableau = 0;
    int show_range = 0;
    int debug = 0;
    int show_exchanges = 0;

    // Engine results read by the reports.
    int end_stat = 0;
    int pivots = 0;
    int piv_col = 0;
    int exact_tableau = 0; // the final tableau came from the exact re-solve

    // Engine working values: pricing and the phase loop.
    int optimal = 0;
    int unbounded = 0;
    int best_col = 0;
    double min_cbar = 0.0;
    double direction = 0.0;
    int bland = 0; // smallest-subscript rule, on while the cycling guard breaks a cycle

    // Engine working values: ratio test and pivot.
    double element = 0.0;
    double ratio = 0.0;
    int ratio_row = 0;
    double min_ratio = 0.0;
    int best_row = 0;
    int piv_row = 0;
    int leav_var = 0;
    double piv_elem = 0.0;
    double elt = 0.0;
    double adj = 0.0;

    // Token scanner.
    signed char chtype[256] = {};
    int tokLen = 0;
    int errCol = 0;

    // Line composer of the model listing.
    char outBuf[out_buf_size] = {};
    signed char outLen = 0;
};

void initParam(Store& s);

struct UnmapStore {
    void operator()(Store* s) const;
};
using StorePtr = std::unique_ptr<Store, UnmapStore>;

// A store at its start values, the same as std::make_unique<Store>() gives,
// without writing its 45 KiB of zeros: it is mapped from fresh pages, which
// the system clears only as a model first touches them.
StorePtr newStore();

} // namespace zep
