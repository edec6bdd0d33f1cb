// The parts of the module, each adding its classes and functions.
#pragma once

#include <zep/zep.h>

#include <memory>

#include "text.h"

namespace zep::python {

void bindNotes(py::module_& m);
void bindModel(py::module_& m);
void bindAnswer(py::module_& m);
// After the others: Answer's outcome, objective, iterations, exact and
// unbounded_decreases, and the enums' == and !=, read and compared directly.
void bindQuick(py::module_& m);
// zep.solve, after the others.
void bindSolve(py::module_& m);

// A copy of model that no Python thread changes, for a solve that runs
// without the interpreter lock: the last one made where model is unchanged.
std::shared_ptr<const Model> unchangingCopy(const Model& model);

// Notes as dicts, and as the plain values they pickle as.
py::dict noteDict(const Note& n);
py::list noteDicts(const std::vector<Note>& notes);
py::list noteStates(const std::vector<Note>& notes);
std::vector<Note> notesFromStates(py::handle states);

// The C++ value a pybind11 instance holds; null, with TypeError set, for
// one made without its constructor (Answer.__new__(Answer)).
template <class T> const T* held(PyObject* self) {
    auto* instance = reinterpret_cast<py::detail::instance*>(self);
    py::detail::value_and_holder v = instance->get_value_and_holder();
    if (!v) {
        PyErr_SetString(PyExc_TypeError, "the object was not initialised");
        return nullptr;
    }
    return v.value_ptr<T>();
}

// The sense, relation and outcome as the words a dict holds.
const char* senseWord(Sense sense);
const char* relationWord(Relation relation);

} // namespace zep::python
