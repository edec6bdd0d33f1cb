// zep.Note and zep.NoteKind: what reading or solving noticed about a model
// that its writer may not have meant, as the programs' warnings say it.
#include <pybind11/stl.h>

#include <string>
#include <vector>

#include "bindings.h"

namespace zep::python {

namespace {

// The names of zep::NoteKind, in its order.
constexpr const char* note_kinds[] = {
    "flipped_row",   "objective_constant", "relation_spelling", "repeated_variable",
    "completed_row", "cut_name",           "same_cut_name",     "inexact_number"};

} // namespace

py::dict noteDict(const Note& n) {
    py::dict d;
    d["kind"] = note_kinds[static_cast<int>(n.kind)];
    d["line"] = n.line;
    d["column"] = n.column;
    d["text"] = toStr(n.text);
    return d;
}

py::list noteDicts(const std::vector<Note>& notes) {
    py::list list;
    for (const Note& n : notes) list.append(noteDict(n));
    return list;
}

// Pickled as numbers and bytes, so that a text that is not UTF-8 travels too.
py::tuple noteState(const Note& n) {
    return py::make_tuple(static_cast<int>(n.kind), n.line, n.column, py::bytes(n.text));
}

Note noteFromState(const py::tuple& t) {
    return {static_cast<NoteKind>(t[0].cast<int>()), t[1].cast<int>(), t[2].cast<int>(),
            t[3].cast<std::string>()};
}

py::list noteStates(const std::vector<Note>& notes) {
    py::list list;
    for (const Note& n : notes) list.append(noteState(n));
    return list;
}

std::vector<Note> notesFromStates(py::handle states) {
    std::vector<Note> notes;
    for (py::handle state : states) notes.push_back(noteFromState(state.cast<py::tuple>()));
    return notes;
}

void bindNotes(py::module_& m) {
    py::enum_<NoteKind> kind(m, "NoteKind", "What a note is about.");
    for (int k = 0; k < static_cast<int>(std::size(note_kinds)); k++)
        kind.value(note_kinds[k], static_cast<NoteKind>(k));

    py::class_<Note>(m, "Note", R"(What reading or solving noticed about a model that its
writer may not have meant; the zep programs print it as a warning on
standard error. kind: a NoteKind. line, column: where in the model text
(0 where no place applies). text: the warning's words.)")
        .def_readonly("kind", &Note::kind)
        .def_readonly("line", &Note::line)
        .def_readonly("column", &Note::column)
        .def_property_readonly("text", [](const Note& n) { return toStr(n.text); })
        .def("to_dict", &noteDict, "The note as a dict: the kind as a word.")
        .def("__repr__",
             [](const Note& n) { return "Note(" + std::string(py::repr(noteDict(n))) + ")"; })
        .def(py::pickle(&noteState, &noteFromState));
}

} // namespace zep::python
