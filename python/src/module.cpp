// The module zep._core: zep's library (zep/zep.h) in Python's terms. The
// package zep re-exports it with the error class.
#include <zep/zep.h>

#include <memory>
#include <string>

#include "bindings.h"

namespace zep::python {

namespace {

// zep.Error, defined in Python (zep/_error.py) so that it pickles; the
// module keeps it for the whole process.
PyObject* error_type = nullptr;

// The names of zep::ErrorKind, in its order.
constexpr const char* kind_names[] = {"input",     "matrix_input", "lp_input",
                                      "mps_input", "model",        "capacity",
                                      "engine",    "file",         "command_line"};

void raiseError(const Error& e) {
    py::object error = py::reinterpret_borrow<py::object>(error_type);
    py::object instance = error(toStr(e.what()), e.status(), kind_names[static_cast<int>(e.kind())],
                                e.line(), e.column());
    PyErr_SetObject(error_type, instance.ptr());
}

// What pybind11's dispatch does with an exception a call let out: the
// registered translators (zep::Error's above, then pybind11's own) make
// the Python exception.
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

// The types of the arguments and result, looked up once.
const py::detail::type_info* model_type = nullptr;
const py::detail::type_info* answer_type = nullptr;

void* movedAnswer(const void* answer) {
    return new Answer(std::move(*static_cast<Answer*>(const_cast<void*>(answer))));
}

// zep._core.solve(model, ranging, trace, final_tableau, exchanges,
// fractions, picture, report), as the package's solve calls it: a function
// of the interpreter's fast calling convention rather than pybind11's
// dispatch, which looked up the types and built and freed its argument
// records at each call, a sixth of the module's cost on a small model.
PyObject* solveCall(PyObject*, PyObject* const* args, Py_ssize_t count) {
    constexpr int switches = 7;
    try {
        if (count != 1 + switches) throw py::type_error("solve() takes 8 arguments");
        if (!PyObject_TypeCheck(args[0], model_type->type))
            throw py::type_error("solve(): the model must be a zep.Model");
        const Model* model = held<Model>(args[0]);
        if (!model) return nullptr;
        bool on[switches];
        for (int k = 0; k < switches; k++) {
            py::detail::make_caster<bool> flag;
            if (!flag.load(args[k + 1], true))
                throw py::type_error("solve(): the switches must be bool");
            on[k] = static_cast<bool>(flag);
        }
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
    "solve", reinterpret_cast<PyCFunction>(reinterpret_cast<void (*)()>(solveCall)), METH_FASTCALL,
    "zep::solve(model, options), the options in zep.solve's order."};

} // namespace

} // namespace zep::python

PYBIND11_MODULE(_core, m) {
    using namespace zep::python;
    namespace py = pybind11;
    m.doc() = "zep's library: read, solve and list small linear programs.";
    m.attr("__version__") = ZEP_VERSION;

    py::object error = py::module_::import("zep._error").attr("Error");
    error_type = error.release().ptr();
    py::register_exception_translator([](std::exception_ptr thrown) {
        try {
            if (thrown) std::rethrow_exception(thrown);
        } catch (const zep::Error& e) {
            raiseError(e);
        }
    });

    bindNotes(m);
    bindModel(m);
    bindAnswer(m);
    bindQuick(m);

    // The package's functions of the same names call these (zep/__init__.py),
    // so that they pickle by name for a process pool.
    m.def("read_model", [](py::handle text) { return zep::read_model(fromText(text, "text")); });
    model_type = py::detail::get_type_info(typeid(zep::Model));
    answer_type = py::detail::get_type_info(typeid(zep::Answer));
    m.attr("solve") = py::reinterpret_steal<py::object>(
        PyCFunction_NewEx(&solve_method, nullptr, m.attr("__name__").ptr()));
    m.def("listing", [](const zep::Model& model) { return toStr(zep::listing(model)); });
    m.def("write_lp", [](const zep::Model& model) { return toStr(zep::write_lp(model)); });
    m.def("write_mps", [](const zep::Model& model) { return toStr(zep::write_mps(model)); });
    m.def("write_algebraic",
          [](const zep::Model& model) { return toStr(zep::write_algebraic(model)); });
}
