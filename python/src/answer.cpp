// zep.Answer and the values it holds: the library's answer, read as
// attributes or as a dict.
#include <pybind11/stl.h>

#include <string>
#include <vector>

#include "bindings.h"

namespace zep::python {

namespace {

const char* outcomeWord(Outcome outcome) {
    return outcome == Outcome::optimal      ? "optimal"
           : outcome == Outcome::infeasible ? "infeasible"
                                            : "unbounded";
}

py::dict variableDict(const VariableValue& v) {
    py::dict d;
    d["name"] = toStr(v.name);
    d["value"] = v.value;
    d["reduced_cost"] = v.reduced_cost;
    return d;
}

py::dict rowDict(const RowValue& r) {
    py::dict d;
    d["label"] = toStr(r.label);
    d["slack"] = r.slack;
    d["dual"] = r.dual;
    return d;
}

py::dict rangeDict(const Range& r) {
    py::dict d;
    d["name"] = toStr(r.name);
    d["current"] = r.current;
    d["upper"] = r.upper;
    d["upper_becomes"] = toStr(r.upper_becomes);
    d["lower"] = r.lower;
    d["lower_becomes"] = toStr(r.lower_becomes);
    return d;
}

template <class T, class F> py::list dicts(const std::vector<T>& items, F toDict) {
    py::list list;
    for (const T& item : items) list.append(toDict(item));
    return list;
}

py::dict answerDict(const Answer& a) {
    py::dict d;
    d["outcome"] = outcomeWord(a.outcome);
    d["objective"] = a.objective;
    d["iterations"] = a.iterations;
    d["exact"] = a.exact;
    d["variables"] = dicts(a.variables, variableDict);
    d["rows"] = dicts(a.rows, rowDict);
    d["cost_ranges"] = dicts(a.cost_ranges, rangeDict);
    d["rhs_ranges"] = dicts(a.rhs_ranges, rangeDict);
    d["unbounded_variable"] = toStr(a.unbounded_variable);
    d["unbounded_decreases"] = a.unbounded_decreases;
    d["unmet_rows"] = toStrList(a.unmet_rows);
    d["report"] = toStr(a.report);
    d["notes"] = noteDicts(a.notes);
    d["picture"] = toStr(a.picture);
    d["picture_note"] = toStr(a.picture_note);
    return d;
}

// Pickled as bytes and numbers, so that names that are not UTF-8 travel too.
py::tuple variableState(const VariableValue& v) {
    return py::make_tuple(py::bytes(v.name), v.value, v.reduced_cost);
}
VariableValue variableFromState(const py::tuple& t) {
    return {t[0].cast<std::string>(), t[1].cast<double>(), t[2].cast<double>()};
}
py::tuple rowState(const RowValue& r) {
    return py::make_tuple(py::bytes(r.label), r.slack, r.dual);
}
RowValue rowFromState(const py::tuple& t) {
    return {t[0].cast<std::string>(), t[1].cast<double>(), t[2].cast<double>()};
}
py::tuple rangeState(const Range& r) {
    return py::make_tuple(py::bytes(r.name), r.current, r.upper, py::bytes(r.upper_becomes),
                          r.lower, py::bytes(r.lower_becomes));
}
Range rangeFromState(const py::tuple& t) {
    return {t[0].cast<std::string>(), t[1].cast<double>(), t[2].cast<double>(),
            t[3].cast<std::string>(), t[4].cast<double>(), t[5].cast<std::string>()};
}

template <class T, class F> py::list states(const std::vector<T>& items, F toState) {
    py::list list;
    for (const T& item : items) list.append(toState(item));
    return list;
}

template <class T, class F> std::vector<T> fromStates(py::handle list, F fromState) {
    std::vector<T> items;
    for (py::handle item : list) items.push_back(fromState(item.cast<py::tuple>()));
    return items;
}

py::list byteList(const std::vector<std::string>& texts) {
    py::list list;
    for (const std::string& text : texts) list.append(py::bytes(text));
    return list;
}

py::tuple answerState(const Answer& a) {
    return py::make_tuple(static_cast<int>(a.outcome), a.objective, a.iterations, a.exact,
                          states(a.variables, variableState), states(a.rows, rowState),
                          states(a.cost_ranges, rangeState), states(a.rhs_ranges, rangeState),
                          py::bytes(a.unbounded_variable), py::bytes(a.report),
                          byteList(a.unmet_rows), noteStates(a.notes), py::bytes(a.picture),
                          py::bytes(a.picture_note), a.unbounded_decreases);
}

Answer answerFromState(const py::tuple& t) {
    Answer a;
    a.outcome = static_cast<Outcome>(t[0].cast<int>());
    a.objective = t[1].cast<double>();
    a.iterations = t[2].cast<int>();
    a.exact = t[3].cast<bool>();
    a.variables = fromStates<VariableValue>(t[4], variableFromState);
    a.rows = fromStates<RowValue>(t[5], rowFromState);
    a.cost_ranges = fromStates<Range>(t[6], rangeFromState);
    a.rhs_ranges = fromStates<Range>(t[7], rangeFromState);
    a.unbounded_variable = t[8].cast<std::string>();
    a.report = t[9].cast<std::string>();
    for (py::handle row : t[10]) a.unmet_rows.push_back(row.cast<std::string>());
    a.notes = notesFromStates(t[11]);
    a.picture = t[12].cast<std::string>();
    a.picture_note = t[13].cast<std::string>();
    a.unbounded_decreases = t[14].cast<bool>();
    return a;
}

std::string reprOf(const char* type, py::dict d) {
    std::string text = std::string(type) + "(";
    const char* sep = "";
    for (auto item : d) {
        text += sep + std::string(py::str(item.first)) + "=" + std::string(py::repr(item.second));
        sep = ", ";
    }
    return text + ")";
}

} // namespace

void bindAnswer(py::module_& m) {
    py::enum_<Outcome>(m, "Outcome", "How a solve ended.")
        .value("optimal", Outcome::optimal)
        .value("infeasible", Outcome::infeasible)
        .value("unbounded", Outcome::unbounded);

    py::class_<VariableValue>(m, "VariableValue", "A variable's value and reduced cost.")
        .def_property_readonly("name", [](const VariableValue& v) { return toStr(v.name); })
        .def_readonly("value", &VariableValue::value)
        .def_readonly("reduced_cost", &VariableValue::reduced_cost)
        .def("to_dict", &variableDict, "The values as a dict.")
        .def("__repr__",
             [](const VariableValue& v) { return reprOf("VariableValue", variableDict(v)); })
        .def(py::pickle(&variableState, &variableFromState));

    py::class_<RowValue>(m, "RowValue",
                         "A constraint's slack (of a <= row; surplus of a >= row) and dual value.")
        .def_property_readonly("label", [](const RowValue& r) { return toStr(r.label); })
        .def_readonly("slack", &RowValue::slack)
        .def_readonly("dual", &RowValue::dual)
        .def("to_dict", &rowDict, "The values as a dict.")
        .def("__repr__", [](const RowValue& r) { return reprOf("RowValue", rowDict(r)); })
        .def(py::pickle(&rowState, &rowFromState));

    py::class_<Range>(m, "Range",
                      "One line of a ranging table: a limit without end is +-inf, and "
                      "upper_becomes and lower_becomes name the column that enters or leaves "
                      "the basis there.")
        .def_property_readonly("name", [](const Range& r) { return toStr(r.name); })
        .def_readonly("current", &Range::current)
        .def_readonly("upper", &Range::upper)
        .def_property_readonly("upper_becomes",
                               [](const Range& r) { return toStr(r.upper_becomes); })
        .def_readonly("lower", &Range::lower)
        .def_property_readonly("lower_becomes",
                               [](const Range& r) { return toStr(r.lower_becomes); })
        .def("to_dict", &rangeDict, "The line as a dict.")
        .def("__repr__", [](const Range& r) { return reprOf("Range", rangeDict(r)); })
        .def(py::pickle(&rangeState, &rangeFromState));

    py::class_<Answer>(m, "Answer", R"(The answer of one solve, as data and as zep-solve's report.

outcome: Outcome.optimal, .infeasible or .unbounded. objective: the
objective value in the model's own sense. iterations: the simplex steps.
variables, rows: the values (when optimal). cost_ranges, rhs_ranges: the
ranging tables (when optimal, with ranging=True). unbounded_variable: the
variable without limit (when unbounded), as written; unbounded_decreases:
it decreases without limit (a free variable), else it increases. unmet_rows: the rows the
infeasibility report lists (when infeasible). exact: the values came from
the exact re-solve. report: what zep-solve prints after its "Processing"
line, as str; report_bytes: the same bytes as zep prints them. notes: the
model's notes and what solving noticed, as Note objects (the programs'
warnings). picture: with picture=True, the SVG text zep-solve --svg=FILE
writes, or "" with the reason in picture_note.)")
        .def_readonly("variables", &Answer::variables)
        .def_readonly("rows", &Answer::rows)
        .def_readonly("cost_ranges", &Answer::cost_ranges)
        .def_readonly("rhs_ranges", &Answer::rhs_ranges)
        .def_property_readonly("unbounded_variable",
                               [](const Answer& a) { return toStr(a.unbounded_variable); })
        .def_property_readonly("unmet_rows",
                               [](const Answer& a) { return toStrList(a.unmet_rows); })
        .def_readonly("notes", &Answer::notes)
        .def_property_readonly(
            "picture", [](const Answer& a) { return toStr(a.picture); },
            "With picture=True, the SVG picture of a model with two variables; else \"\".")
        .def_property_readonly(
            "picture_note", [](const Answer& a) { return toStr(a.picture_note); },
            "With picture=True and no picture, why there is none.")
        .def_property_readonly(
            "report", [](const Answer& a) { return toStr(a.report); },
            "The report as str; bytes that are not UTF-8 (a name in another encoding) are kept "
            "as surrogate escapes.")
        .def_property_readonly(
            "report_bytes", [](const Answer& a) { return py::bytes(a.report); },
            "The report's bytes, exactly as zep-solve prints them.")
        .def("to_dict", &answerDict,
             "The answer as a dict of plain values: the outcome as a word, the lists as dicts.")
        .def("__repr__",
             [](const Answer& a) {
                 return "Answer(outcome=" + std::string(outcomeWord(a.outcome)) +
                        ", objective=" + std::string(py::repr(py::float_(a.objective))) +
                        ", iterations=" + std::to_string(a.iterations) + ")";
             })
        .def(py::pickle(&answerState, &answerFromState));
}

} // namespace zep::python
