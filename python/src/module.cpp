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
    // so that they pickle by name for a process pool; solve is the package's
    // own (solve.cpp).
    m.def("read_model", [](py::handle text) { return zep::read_model(fromText(text, "text")); });
    bindSolve(m);
    m.def("listing", [](const zep::Model& model) { return toStr(zep::listing(model)); });
    m.def("write_lp", [](const zep::Model& model) { return toStr(zep::write_lp(model)); });
    m.def("write_mps", [](const zep::Model& model) { return toStr(zep::write_mps(model)); });
    m.def("write_algebraic",
          [](const zep::Model& model) { return toStr(zep::write_algebraic(model)); });
}
