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

// Reads the model in its own form. An algebraic model is echoed as it is
// read and then announced with the line the matrix-form reader prints.
void readModel(Store& s);

} // namespace zep::detail
