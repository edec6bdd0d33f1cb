// zep.Model and zep.Constraint: the library's model, built from Python's
// lists and dicts.
#include <pybind11/stl.h>

#include <cmath>
#include <string>
#include <vector>

#include "bindings.h"
#include "text.h"

namespace zep::python {

namespace {

std::string lower(std::string word) {
    for (char& c : word) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return word;
}

Sense senseOf(py::handle sense) {
    if (py::isinstance<Sense>(sense)) return sense.cast<Sense>();
    std::string word = lower(fromText(sense, "sense"));
    if (word == "min" || word == "minimize" || word == "minimise") return Sense::minimize;
    if (word == "max" || word == "maximize" || word == "maximise") return Sense::maximize;
    throw py::value_error("sense must be 'min' or 'max', not '" + word + "'");
}

Relation relationOf(py::handle relation) {
    if (py::isinstance<Relation>(relation)) return relation.cast<Relation>();
    std::string word = fromText(relation, "relation");
    if (word == "<=" || word == "<" || word == "=<") return Relation::less_equal;
    if (word == ">=" || word == ">" || word == "=>") return Relation::greater_equal;
    if (word == "=" || word == "==") return Relation::equal;
    throw py::value_error("relation must be '<=', '>=' or '=', not '" + word + "'");
}

// The names a dict of coefficients uses, in the order the dicts name them,
// for a model built without a list of variables.
void addNames(py::handle coefficients, std::vector<std::string>& names, py::list& keys) {
    if (!py::isinstance<py::dict>(coefficients)) return;
    for (auto item : coefficients.cast<py::dict>()) {
        if (keys.contains(item.first)) continue;
        keys.append(item.first);
        names.push_back(fromText(item.first, "variable name"));
    }
}

// One coefficient per variable, from a list or from a dict by name (absent
// names are 0).
std::vector<double> coefficientsOf(py::handle given, const py::list& keys, const std::string& row) {
    if (!py::isinstance<py::dict>(given)) {
        std::vector<double> values = fromNumbers(given, "coefficients");
        if (values.size() != keys.size())
            throw py::value_error("row " + row + " has " + std::to_string(values.size()) +
                                  " coefficients for " + std::to_string(keys.size()) +
                                  " variables");
        return values;
    }
    std::vector<double> values(keys.size(), 0.0);
    py::dict column;
    for (std::size_t j = 0; j < keys.size(); j++) column[keys[j]] = j;
    for (auto item : given.cast<py::dict>()) {
        if (!column.contains(item.first))
            throw py::value_error("row " + row + " names " + std::string(py::repr(item.first)) +
                                  ", which is not among the model's variables");
        values[column[item.first].cast<std::size_t>()] = item.second.cast<double>();
    }
    return values;
}

// A constraint given as a Constraint, a dict with the Constraint's field
// names, or a tuple (label, coefficients, relation, rhs).
struct GivenRow {
    py::object label, coefficients, relation, rhs;
    py::object range = py::float_(infinity);
};

GivenRow givenRow(py::handle row, std::size_t index) {
    py::object none = py::none();
    GivenRow given{none, none, py::str("<="), py::int_(0)};
    if (py::isinstance<Constraint>(row)) {
        const Constraint& c = row.cast<const Constraint&>();
        return {toStr(c.label), py::cast(c.coefficients), py::cast(c.relation), py::cast(c.rhs),
                py::cast(c.range)};
    }
    if (py::isinstance<py::dict>(row)) {
        py::dict d = row.cast<py::dict>();
        for (auto item : d) {
            std::string key = py::str(item.first);
            if (key != "label" && key != "coefficients" && key != "relation" && key != "rhs" &&
                key != "range")
                throw py::value_error("constraint " + std::to_string(index + 1) +
                                      " has an unknown key '" + key + "'");
        }
        if (d.contains("label")) given.label = d["label"];
        if (d.contains("coefficients")) given.coefficients = d["coefficients"];
        if (d.contains("relation")) given.relation = d["relation"];
        if (d.contains("rhs")) given.rhs = d["rhs"];
        if (d.contains("range")) given.range = d["range"];
    } else {
        py::tuple t = py::tuple(py::reinterpret_borrow<py::object>(row));
        if (t.size() != 4)
            throw py::value_error("constraint " + std::to_string(index + 1) +
                                  " must be (label, coefficients, relation, rhs)");
        given = {t[0], t[1], t[2], t[3]};
    }
    if (given.coefficients.is_none())
        throw py::value_error("constraint " + std::to_string(index + 1) + " has no coefficients");
    return given;
}

// A dict of constraints maps each label to (coefficients, relation, rhs) or
// to a dict of those.
std::vector<GivenRow> givenRows(py::handle constraints) {
    std::vector<GivenRow> rows;
    if (constraints.is_none()) return rows;
    if (py::isinstance<py::dict>(constraints)) {
        for (auto item : constraints.cast<py::dict>()) {
            GivenRow row;
            if (py::isinstance<py::dict>(item.second)) {
                py::dict d = py::dict(item.second.cast<py::dict>());
                d["label"] = item.first;
                row = givenRow(d, rows.size());
            } else {
                py::tuple t = py::tuple(py::reinterpret_borrow<py::object>(item.second));
                if (t.size() != 3)
                    throw py::value_error("constraint " + std::string(py::str(item.first)) +
                                          " must map to (coefficients, relation, rhs)");
                row = {py::reinterpret_borrow<py::object>(item.first), t[0], t[1], t[2]};
            }
            rows.push_back(row);
        }
        return rows;
    }
    for (py::handle row : constraints) rows.push_back(givenRow(row, rows.size()));
    return rows;
}

// A bound as given: None is no bound on that side.
double boundOf(py::handle bound, double none) {
    return bound.is_none() ? none : bound.cast<double>();
}

// A dict from variable name to (lower, upper) sets the model's bounds; the
// variables it leaves out keep 0 and infinity.
void setBounds(Model& model, py::handle bounds, const py::list& keys) {
    if (bounds.is_none() || py::len(bounds) == 0) return;
    model.lower.assign(keys.size(), 0.0);
    model.upper.assign(keys.size(), infinity);
    py::dict column;
    for (std::size_t j = 0; j < keys.size(); j++) column[keys[j]] = j;
    for (auto item : bounds.cast<py::dict>()) {
        if (!column.contains(item.first))
            throw py::value_error("bounds name " + std::string(py::repr(item.first)) +
                                  ", which is not among the model's variables");
        py::tuple range = py::tuple(py::reinterpret_borrow<py::object>(item.second));
        if (range.size() != 2)
            throw py::value_error("the bounds of " + std::string(py::str(item.first)) +
                                  " must be (lower, upper)");
        std::size_t j = column[item.first].cast<std::size_t>();
        model.lower[j] = boundOf(range[0], -infinity);
        model.upper[j] = boundOf(range[1], infinity);
    }
}

Model buildModel(py::object sense, py::object objective, py::object constraints,
                 py::object variables, py::object objective_label, py::object sense_word,
                 py::object bounds, double objective_constant) {
    Model model;
    model.objective_constant = objective_constant;
    model.sense = senseOf(sense);
    model.sense_word = fromText(sense_word, "sense_word");
    model.objective_label = fromText(objective_label, "objective_label");
    std::vector<GivenRow> rows = givenRows(constraints);
    py::list keys;
    if (!variables.is_none()) {
        model.variables = fromTextList(variables, "variables");
        for (py::handle name : variables) keys.append(name);
    } else {
        addNames(objective, model.variables, keys);
        for (const GivenRow& row : rows) addNames(row.coefficients, model.variables, keys);
        if (keys.empty() && !objective.is_none()) {
            std::size_t n = py::len(objective);
            for (std::size_t j = 1; j <= n; j++) {
                model.variables.push_back("X" + std::to_string(j));
                keys.append(py::str(model.variables.back()));
            }
        }
    }
    setBounds(model, bounds, keys);
    model.objective = objective.is_none() ? std::vector<double>(keys.size(), 0.0)
                                          : coefficientsOf(objective, keys, model.objective_label);
    for (std::size_t i = 0; i < rows.size(); i++) {
        Constraint c;
        c.label = rows[i].label.is_none() ? "C" + std::to_string(i + 1)
                                          : fromText(rows[i].label, "label");
        c.coefficients = coefficientsOf(rows[i].coefficients, keys, c.label);
        c.relation = relationOf(rows[i].relation);
        c.rhs = rows[i].rhs.cast<double>();
        c.range = rows[i].range.cast<double>();
        model.constraints.push_back(std::move(c));
    }
    return model;
}

// The bounds one per variable, the defaults where the model holds none.
std::vector<double> lowerOf(const Model& m) {
    return m.lower.empty() ? std::vector<double>(m.variables.size(), 0.0) : m.lower;
}

std::vector<double> upperOf(const Model& m) {
    return m.upper.empty() ? std::vector<double>(m.variables.size(), infinity) : m.upper;
}

py::dict constraintDict(const Constraint& c) {
    py::dict d;
    d["label"] = toStr(c.label);
    d["coefficients"] = py::cast(c.coefficients);
    d["relation"] = relationWord(c.relation);
    d["rhs"] = c.rhs;
    d["range"] = c.range;
    return d;
}

py::dict modelDict(const Model& m) {
    py::dict d;
    d["sense"] = senseWord(m.sense);
    d["sense_word"] = toStr(m.sense_word);
    d["objective_label"] = toStr(m.objective_label);
    d["variables"] = toStrList(m.variables);
    d["objective"] = py::cast(m.objective);
    d["objective_constant"] = m.objective_constant;
    d["lower"] = py::cast(lowerOf(m));
    d["upper"] = py::cast(upperOf(m));
    py::list rows;
    for (const Constraint& c : m.constraints) rows.append(constraintDict(c));
    d["constraints"] = rows;
    d["notes"] = noteDicts(m.notes);
    return d;
}

// Pickled as bytes and numbers, so that names that are not UTF-8 travel too.
py::tuple constraintState(const Constraint& c) {
    return py::make_tuple(py::bytes(c.label), c.coefficients, static_cast<int>(c.relation), c.rhs,
                          c.flipped, c.range);
}

Constraint constraintFromState(const py::tuple& t) {
    Constraint c{t[0].cast<std::string>(), t[1].cast<std::vector<double>>(),
                 static_cast<Relation>(t[2].cast<int>()), t[3].cast<double>()};
    c.flipped = t[4].cast<bool>();
    c.range = t[5].cast<double>();
    return c;
}

// The model's content: what equal models share, whatever reading noticed.
py::tuple modelContent(const Model& m) {
    py::list variables, rows;
    for (const std::string& name : m.variables) variables.append(py::bytes(name));
    for (const Constraint& c : m.constraints) rows.append(constraintState(c));
    return py::make_tuple(static_cast<int>(m.sense), py::bytes(m.sense_word),
                          py::bytes(m.objective_label), m.objective, variables, rows,
                          m.objective_constant, lowerOf(m), upperOf(m));
}

py::tuple modelState(const Model& m) {
    return py::make_tuple(modelContent(m), noteStates(m.notes));
}

Model modelFromState(const py::tuple& state) {
    py::tuple t = state[0].cast<py::tuple>();
    Model m;
    m.sense = static_cast<Sense>(t[0].cast<int>());
    m.sense_word = t[1].cast<std::string>();
    m.objective_label = t[2].cast<std::string>();
    m.objective = t[3].cast<std::vector<double>>();
    for (py::handle name : t[4]) m.variables.push_back(name.cast<std::string>());
    for (py::handle row : t[5]) m.constraints.push_back(constraintFromState(row.cast<py::tuple>()));
    m.objective_constant = t[6].cast<double>();
    m.lower = t[7].cast<std::vector<double>>();
    m.upper = t[8].cast<std::vector<double>>();
    m.notes = notesFromStates(state[1]);
    return m;
}

constexpr const char* model_doc =
    R"(A linear program: at most 30 constraints and 50 columns, counting the
slack, surplus and artificial columns that solving adds.

Built from lists or dicts, all arguments by keyword:

    Model(sense="max", objective={"x": 2, "y": 3},
          constraints=[("c1", {"x": 1, "y": 1}, "<=", 4),
                       {"label": "c2", "coefficients": [1, 3], "relation": "<=", "rhs": 6}])

sense: "min" or "max" (or a Sense). objective: a dict from variable name to
coefficient, or a list with one coefficient per variable. variables: the
names in column order; without it, the names in the order the objective's
and the constraints' dicts first give them (or X1, X2, ... for a list).
constraints: a list of Constraint objects, dicts with the Constraint's
field names, or tuples (label, coefficients, relation, rhs); or a dict from
label to (coefficients, relation, rhs). A coefficient dict leaves out the
variables whose coefficient is 0. A missing label is C1, C2, ... in order.
relation: "<=", ">=" or "=" (or a Relation). A row given as a dict or a
Constraint may have a range: a "<=" row then holds rhs - range <= row <= rhs,
a ">=" row rhs <= row <= rhs + range (inf: one side only).
objective_label: the objective row's label ("OBJ" unless given).
objective_constant: a constant added to the objective's value.
sense_word: the sense as written in a file ("max", "MAXIMIZE"); empty for
the plain word. bounds: a dict from variable name to (lower, upper), None
for no bound on that side (so (None, None) is a free variable); the
variables it leaves out keep (0, None). The model holds them as the lists
lower and upper, one per variable.

Names are kept as given; solving upper-cases them, as zep's readers do.
The lists read from a Model's attributes are copies: assign a whole list
to change one.)";

} // namespace

const char* senseWord(Sense sense) {
    return sense == Sense::maximize ? "max" : "min";
}

const char* relationWord(Relation relation) {
    return relation == Relation::less_equal      ? "<="
           : relation == Relation::greater_equal ? ">="
                                                 : "=";
}

void bindModel(py::module_& m) {
    py::enum_<Sense>(m, "Sense", "The direction of the objective.")
        .value("minimize", Sense::minimize)
        .value("maximize", Sense::maximize);
    py::enum_<Relation>(m, "Relation", "A constraint's relation: <=, >= or =.")
        .value("less_equal", Relation::less_equal)
        .value("greater_equal", Relation::greater_equal)
        .value("equal", Relation::equal);

    py::class_<Constraint>(m, "Constraint",
                           "One constraint row: label, coefficients, relation, rhs.")
        .def(py::init([](py::handle label, py::handle coefficients, py::handle relation, double rhs,
                         double range) {
                 Constraint c{fromText(label, "label"), fromNumbers(coefficients, "coefficients"),
                              relationOf(relation), rhs};
                 c.range = range;
                 return c;
             }),
             py::arg("label"), py::arg("coefficients"),
             py::arg("relation") = "<=", py::arg("rhs") = 0.0, py::arg("range") = infinity)
        .def_property(
            "label", [](const Constraint& c) { return toStr(c.label); },
            [](Constraint& c, py::handle v) { c.label = fromText(v, "label"); })
        .def_property(
            "coefficients", [](const Constraint& c) { return c.coefficients; },
            [](Constraint& c, py::handle v) { c.coefficients = fromNumbers(v, "coefficients"); })
        .def_property(
            "relation", [](const Constraint& c) { return c.relation; },
            [](Constraint& c, py::handle v) { c.relation = relationOf(v); })
        .def_readwrite("rhs", &Constraint::rhs)
        .def_readwrite("range", &Constraint::range,
                       "The row's range (inf: one side only): a <= row then holds from rhs - "
                       "range to rhs, a >= row from rhs to rhs + range.")
        .def_readonly("flipped", &Constraint::flipped,
                      "The row was written with a negative right-hand side and is held "
                      "multiplied by -1.")
        .def("to_dict", &constraintDict, "The constraint as a dict of plain values.")
        .def("__repr__",
             [](const Constraint& c) {
                 return "Constraint(" + std::string(py::repr(constraintDict(c))) + ")";
             })
        .def(py::pickle(&constraintState, &constraintFromState));

    py::class_<Model>(m, "Model", model_doc)
        .def(py::init(&buildModel), py::kw_only(), py::arg("sense") = "min",
             py::arg("objective") = py::none(), py::arg("constraints") = py::none(),
             py::arg("variables") = py::none(), py::arg("objective_label") = "OBJ",
             py::arg("sense_word") = "", py::arg("bounds") = py::none(),
             py::arg("objective_constant") = 0.0)
        .def_property(
            "sense", [](const Model& md) { return md.sense; },
            [](Model& md, py::handle v) { md.sense = senseOf(v); })
        .def_property(
            "sense_word", [](const Model& md) { return toStr(md.sense_word); },
            [](Model& md, py::handle v) { md.sense_word = fromText(v, "sense_word"); })
        .def_property(
            "objective_label", [](const Model& md) { return toStr(md.objective_label); },
            [](Model& md, py::handle v) { md.objective_label = fromText(v, "objective_label"); })
        .def_property(
            "variables", [](const Model& md) { return toStrList(md.variables); },
            [](Model& md, py::handle v) { md.variables = fromTextList(v, "variables"); })
        .def_property(
            "objective", [](const Model& md) { return md.objective; },
            [](Model& md, py::handle v) { md.objective = fromNumbers(v, "objective"); })
        .def_readwrite("constraints", &Model::constraints)
        .def_readwrite("objective_constant", &Model::objective_constant)
        .def_property(
            "lower", &lowerOf, [](Model& md, py::handle v) { md.lower = fromNumbers(v, "lower"); },
            "Each variable's lower bound, -inf for none (a copy: assign a whole list).")
        .def_property(
            "upper", &upperOf, [](Model& md, py::handle v) { md.upper = fromNumbers(v, "upper"); },
            "Each variable's upper bound, inf for none (a copy: assign a whole list).")
        .def_readonly("notes", &Model::notes,
                      "What read_model noticed in the text, as Note objects (the programs' "
                      "warnings); solving adds its own to the Answer's.")
        .def("to_dict", &modelDict, "The model as a dict of plain values.")
        .def("__repr__",
             [](const Model& md) { return "Model(" + std::string(py::repr(modelDict(md))) + ")"; })
        .def("__eq__",
             [](const Model& a, const Model& b) { return modelContent(a).equal(modelContent(b)); })
        .def(py::pickle(&modelState, &modelFromState));
}

} // namespace zep::python
