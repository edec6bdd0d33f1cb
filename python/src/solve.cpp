// zep.solve: a function of the interpreter's fast calling convention with
// its keywords read here, rather than a Python function over pybind11's
// dispatch; those two looked up the types, filled the defaults and built
// and freed the argument records at each call, half of what the module
// added to a solve of a small model. It belongs to the package zep, so
// that it pickles by name for a process pool.
#include <memory>

#include "bindings.h"

namespace zep::python {

namespace {

// What pybind11's dispatch does with an exception a call let out: the
// registered translators (zep::Error's, then pybind11's own) make the
// Python exception.
PyObject* raiseCaught() {
    try {
        throw;
    } catch (py::error_already_set& e) {
        e.restore();
        return nullptr;
    } catch (...) {
        if (py::detail::apply_exception_translators(
                py::detail::get_local_internals().registered_exception_translators) ||
            py::detail::apply_exception_translators(
                py::detail::get_internals().registered_exception_translators))
            return nullptr;
        PyErr_SetString(PyExc_SystemError, "an exception escaped the translators");
        return nullptr;
    }
}

// The types of the argument and result, looked up once.
const py::detail::type_info* model_type = nullptr;
const py::detail::type_info* answer_type = nullptr;

void* movedAnswer(const void* answer) {
    return new Answer(std::move(*static_cast<Answer*>(const_cast<void*>(answer))));
}

// The keyword-only switches, in this order, and their defaults.
constexpr const char* switch_names[] = {"ranging",   "trace",   "final_tableau", "exchanges",
                                        "fractions", "picture", "report"};
constexpr int switch_count = static_cast<int>(std::size(switch_names));
constexpr bool switch_defaults[switch_count] = {false, false, false, false, false, false, true};

int switchNamed(PyObject* key) {
    for (int k = 0; k < switch_count; k++)
        if (PyUnicode_CompareWithASCIIString(key, switch_names[k]) == 0) return k;
    return -1;
}

bool truth(PyObject* value, const char* name) {
    py::detail::make_caster<bool> flag;
    if (!flag.load(value, true))
        throw py::type_error(std::string("solve(): ") + name + " must be a bool");
    return static_cast<bool>(flag);
}

PyObject* solveCall(PyObject*, PyObject* const* args, Py_ssize_t positional, PyObject* keywords) {
    try {
        if (positional > 1)
            throw py::type_error("solve() takes 1 positional argument but " +
                                 std::to_string(positional) + " were given");
        PyObject* given = positional == 1 ? args[0] : nullptr;
        bool on[switch_count];
        std::copy(std::begin(switch_defaults), std::end(switch_defaults), on);
        Py_ssize_t named = keywords ? PyTuple_GET_SIZE(keywords) : 0;
        for (Py_ssize_t k = 0; k < named; k++) {
            PyObject* key = PyTuple_GET_ITEM(keywords, k);
            PyObject* value = args[positional + k];
            int which = switchNamed(key);
            if (which >= 0) {
                on[which] = truth(value, switch_names[which]);
            } else if (PyUnicode_CompareWithASCIIString(key, "model") == 0 && !given) {
                given = value;
            } else {
                PyErr_Format(PyExc_TypeError,
                             given && PyUnicode_CompareWithASCIIString(key, "model") == 0
                                 ? "solve() got multiple values for argument '%U'"
                                 : "solve() got an unexpected keyword argument '%U'",
                             key);
                return nullptr;
            }
        }
        if (!given) throw py::type_error("solve() missing 1 required positional argument: 'model'");
        if (!PyObject_TypeCheck(given, model_type->type))
            throw py::type_error("solve(): model must be a zep.Model");
        const Model* model = held<Model>(given);
        if (!model) return nullptr;
        // A copy, so that another thread may change the Model meanwhile; its
        // share is dropped with the lock held again (unchangingCopy counts on
        // that).
        std::shared_ptr<const Model> own = unchangingCopy(*model);
        Answer answer = [&] {
            py::gil_scoped_release unlocked;
            return zep::solve(*own, {.ranging = on[0],
                                     .final_tableau = on[2],
                                     .trace = on[1],
                                     .exchanges = on[3],
                                     .fractions = on[4],
                                     .picture = on[5],
                                     .report = on[6]});
        }();
        return py::detail::type_caster_generic::cast(&answer, py::return_value_policy::move, {},
                                                     answer_type, nullptr, movedAnswer)
            .ptr();
    } catch (...) {
        return raiseCaught();
    }
}

PyMethodDef solve_method = {
    "solve", reinterpret_cast<PyCFunction>(reinterpret_cast<void (*)()>(solveCall)),
    METH_FASTCALL | METH_KEYWORDS,
    R"(solve(model, *, ranging=False, trace=False, final_tableau=False, exchanges=False, fractions=False, picture=False, report=True)
--

Solve a Model with zep's two-phase simplex and check the answer.

The switches are zep-solve's option letters: ranging (r) adds the cost
and right-hand-side ranging tables, final_tableau (f) the final tableau,
trace (t) the starting tableau and every step, exchanges (x) one line
per basis exchange. They change the report and, for ranging, the
answer's cost_ranges and rhs_ranges. fractions (zep-solve --fractions)
prints every tableau and the report's values as exact fractions in
lowest terms, the floating-point run's own pivots replayed exactly;
the answer's numbers stay floats. picture (zep-solve --svg=FILE) puts
the SVG picture of a model with two variables in the answer's picture,
or the reason for none in its picture_note. report=False leaves the
report text out (report is then ""), for a caller that wants only the
numbers: they are proven all the same, and the solve is cheaper.

Returns an Answer, whose report is what zep-solve prints after its
"Processing" line. Raises zep.Error for a model zep cannot hold (more
than 30 constraints or 50 columns, a negative right-hand side, a name
with a blank). The interpreter lock is released while zep solves, so
threads solve in parallel.)"};

} // namespace

void bindSolve(py::module_& m) {
    model_type = py::detail::get_type_info(typeid(Model));
    answer_type = py::detail::get_type_info(typeid(Answer));
    py::str package("zep");
    m.attr("solve") =
        py::reinterpret_steal<py::object>(PyCFunction_NewEx(&solve_method, nullptr, package.ptr()));
}

} // namespace zep::python
