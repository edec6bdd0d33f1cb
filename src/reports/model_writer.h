// The model as read, written back in any of the four forms.
#pragma once

#include <cstddef>

#include "input/form.h"
#include "store/store.h"

namespace zep::detail {

// Whether the model can be written in the form; if not, why (one line,
// without its line end) goes into why.
bool writable(const Store& s, ModelForm to, char* why, std::size_t size);

// Whether MPS is written fixed: every name fits a field of 8 characters
// and every number one of 12. Otherwise it is written free.
bool fitsFixedMps(const Store& s);

// Writes the model to s.out; the model must be writable in that form.
void writeModel(Store& s, ModelForm to);

} // namespace zep::detail
