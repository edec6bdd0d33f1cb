// The LP format and MPS, told by their own marks.
#pragma once

#include <optional>

#include "input/form.h"

namespace zep::detail {

// The LP format or MPS when the file, read from where it stands, shows
// their marks; a file that begins as a matrix-form header (a word and two
// counts) shows neither. Consumes what it reads.
std::optional<ModelForm> markedForm(Store& s);

} // namespace zep::detail
