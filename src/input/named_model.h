// What the readers of the LP format and of MPS share: lines with their
// numbers, the refusal that names a line, and the filling of the store by
// names, with the capacities and name lengths that the store holds.
#pragma once

#include <cstdint>

#include "store/store.h"

namespace zep::detail {

constexpr int line_max = 4095; // longest line either reader takes

// The state of one reading, beside the store: where the reader stands.
// The form of a Model built in code: its refusals name the part of the
// Model that text holds, and go without the input error line.
inline constexpr char model_form[] = "Model";

struct NamedModel {
    const char* form; // "LP format", "MPS" or model_form: opens each refusal
    int line = 0;
    char text[line_max + 2] = {};
    // Case-blind hashes of the labels of rows 0 to num_cons and the names of
    // variables 1 to num_vars kept in the store: a lookup compares its name
    // only with those of its own hash, since names alike without case hash
    // alike.
    std::uint32_t row_key[tab_rows] = {};
    std::uint32_t var_key[max_names + 1] = {};
};

// Starts a reading into the store, with the names it holds already.
void startNamedModel(const Store& s, NamedModel& m, const char* form);

// Reads the next line into m.text without its line end; false at the end
// of the file. A line may not hold a NUL byte or be over line_max long.
bool nextLine(Store& s, NamedModel& m);

[[noreturn]] void refuseLine(Store& s, const NamedModel& m, const char* fmt, ...)
    __attribute__((format(printf, 3, 4)));

// The column of a variable, added when it is new (its name kept whole in
// the store's names, its printed form in varname); -1 when it is new and
// add is false. Names are compared without case. at is where the name
// stands in the line, where it was copied out of it.
int columnOf(Store& s, NamedModel& m, const char* name, bool add, const char* at = nullptr);

// The row of a label among rows 0 to num_cons, or -1.
int rowOf(Store& s, NamedModel& m, const char* name);

// Sets the label of row r (0 is the objective): whole in the store's names,
// its printed form in rname; refuses a label that is too long or that
// another row has.
void labelRow(Store& s, NamedModel& m, int r, const char* name, const char* at = nullptr);

// Adds constraint row num_cons + 1 with the relation code (1, -1 or 0).
int addRow(Store& s, NamedModel& m, const char* name, int relation, const char* at = nullptr);

// Reads an unsigned decimal number at p (digits with an optional point and
// exponent, as both formats write them); returns the end of it, or nullptr
// when p holds no number. v may come out infinite.
const char* scanNumber(const char* p, double& v);

// scanNumber, keeping a note of a number whose digits a double cannot hold.
const char* readNumber(Store& s, const NamedModel& m, const char* p, double& v);

// Where p stands in the current line (column 0 when p is not in it).
Place placeIn(const NamedModel& m, const char* p);

// Adds the sense word to the store: -1 for a maximisation, 1 otherwise.
void setSense(Store& s, double z_mult);

// Closes the reading: counts, the "Processing" line, and every row with a
// negative right-hand side multiplied by -1, each with a line saying so.
void finishNamedModel(Store& s, NamedModel& m);

} // namespace zep::detail
