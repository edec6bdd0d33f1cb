// Which of the four forms a model file is in, told by each form's own
// markers.
#pragma once

#include "store/store.h"

namespace zep {

enum class Form { matrix, algebraic, lp, mps };

// Looks at the model file without consuming it. A stream that cannot be
// rewound (a pipe) is first copied to a temporary file, which becomes luin.
Form recogniseForm(Store& s);

} // namespace zep
