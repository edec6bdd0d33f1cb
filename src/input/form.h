// The four forms a model file may be written in, and the reading of any.
#pragma once

#include "store/store.h"

namespace zep::detail {

enum class ModelForm { matrix, algebraic, lp, mps };

// The form of the model file in luin, told from its text; the file is left
// where it was. The LP format and MPS are known by their own marks. Of the
// other files, one whose second item reads as the number of variables, or
// that has none, is in matrix form; any other is algebraic.
ModelForm modelForm(Store& s);

// Runs a reader of zep's own forms (the algebraic or the matrix form);
// where it fails on a file that shows the marks of the LP format or MPS,
// the error says so.
void readOwnForm(Store& s, void (*reader)(Store&));

// Reads the model in its own form. An algebraic model is echoed as it is
// read and then announced with the line the matrix-form reader prints.
void readModel(Store& s);

} // namespace zep::detail
