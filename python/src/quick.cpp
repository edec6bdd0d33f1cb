// The answer's plain values read, and the enums compared, without
// pybind11's call machinery: a loop over many answers does this under the
// interpreter lock, where pybind11's dispatch (argument tuples, type
// lookups, a new enum object that keeps its answer alive) cost ten times
// the read itself, and a pool's threads wait for the lock meanwhile.
#include <vector>

#include "bindings.h"

namespace zep::python {

namespace {

// Outcome's members, by value, to return as themselves.
std::vector<PyObject*> outcomes;

PyObject* outcomeOf(PyObject* self, void*) {
    const Answer* a = held<Answer>(self);
    if (!a) return nullptr;
    PyObject* member = outcomes[static_cast<std::size_t>(a->outcome)];
    Py_INCREF(member);
    return member;
}

template <double Answer::*field> PyObject* numberOf(PyObject* self, void*) {
    const Answer* a = held<Answer>(self);
    return a ? PyFloat_FromDouble(a->*field) : nullptr;
}

template <int Answer::*field> PyObject* countOf(PyObject* self, void*) {
    const Answer* a = held<Answer>(self);
    return a ? PyLong_FromLong(a->*field) : nullptr;
}

template <bool Answer::*field> PyObject* truthOf(PyObject* self, void*) {
    const Answer* a = held<Answer>(self);
    return a ? PyBool_FromLong(a->*field) : nullptr;
}

PyGetSetDef answer_fields[] = {
    {"outcome", outcomeOf, nullptr, nullptr, nullptr},
    {"objective", numberOf<&Answer::objective>, nullptr, nullptr, nullptr},
    {"iterations", countOf<&Answer::iterations>, nullptr, nullptr, nullptr},
    {"exact", truthOf<&Answer::exact>, nullptr, nullptr, nullptr},
    {"unbounded_decreases", truthOf<&Answer::unbounded_decreases>, nullptr, nullptr, nullptr},
};

// An enum's == and != as pybind11 has them (members of the same enum by
// value; anything else unequal), without converting both sides to int.
template <class E, bool equal> PyObject* compare(PyObject* self, PyObject* other) {
    if (Py_TYPE(other) != Py_TYPE(self)) return PyBool_FromLong(!equal);
    const E* a = held<E>(self);
    const E* b = a ? held<E>(other) : nullptr;
    return b ? PyBool_FromLong((*a == *b) == equal) : nullptr;
}

template <class E> void quickCompare(py::module_& m, const char* name) {
    static PyMethodDef methods[] = {
        {"__eq__", compare<E, true>, METH_O, nullptr},
        {"__ne__", compare<E, false>, METH_O, nullptr},
    };
    py::object type = m.attr(name);
    auto* cls = reinterpret_cast<PyTypeObject*>(type.ptr());
    for (PyMethodDef& method : methods)
        type.attr(method.ml_name) =
            py::reinterpret_steal<py::object>(PyDescr_NewMethod(cls, &method));
}

} // namespace

void bindQuick(py::module_& m) {
    py::object outcome = m.attr("Outcome");
    outcomes.resize(py::len(outcome.attr("__members__")));
    for (auto item : outcome.attr("__members__").cast<py::dict>()) {
        const Outcome* value = held<Outcome>(item.second.ptr());
        outcomes.at(static_cast<std::size_t>(*value)) = item.second.inc_ref().ptr();
    }
    py::object answer = m.attr("Answer");
    auto* cls = reinterpret_cast<PyTypeObject*>(answer.ptr());
    for (PyGetSetDef& field : answer_fields)
        answer.attr(field.name) = py::reinterpret_steal<py::object>(PyDescr_NewGetSet(cls, &field));
    quickCompare<Outcome>(m, "Outcome");
    quickCompare<Sense>(m, "Sense");
    quickCompare<Relation>(m, "Relation");
    quickCompare<NoteKind>(m, "NoteKind");
}

} // namespace zep::python
