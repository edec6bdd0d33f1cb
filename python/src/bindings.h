// The parts of the module, each adding its classes and functions.
#pragma once

#include <zep/zep.h>

#include "text.h"

namespace zep::python {

void bindModel(py::module_& m);
void bindAnswer(py::module_& m);

// The sense, relation and outcome as the words a dict holds.
const char* senseWord(Sense sense);
const char* relationWord(Relation relation);

} // namespace zep::python
