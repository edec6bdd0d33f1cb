// The reader of a Model built in code: it fills the store as the readers
// of the LP format and MPS do, with the same checks, and its refusals name
// the part of the Model they concern.
#pragma once

#include <zep/zep.h>

#include "store/store.h"

namespace zep::detail {

// Fills the store from the model (names upper-cased, bounds, ranges, the
// objective constant) and closes the reading as the named forms do: free
// variables split, the bounds given to the engine, rows flipped where
// their right-hand side is negative once the variables are at their lower
// bounds. Prints the "Processing" line. A model the store cannot hold is
// refused with ErrorKind::model (ErrorKind::capacity past the columns).
void read_model_data(Store& s, const Model& model);

// The model the store holds, as read_model gives it: the variables as
// written, with their bounds, before any was split.
Model model_of(const Store& s);

} // namespace zep::detail
