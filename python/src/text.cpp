#include "text.h"

namespace zep::python {

py::str toStr(const std::string& text) {
    PyObject* str =
        PyUnicode_DecodeUTF8(text.data(), static_cast<Py_ssize_t>(text.size()), "surrogateescape");
    if (!str) throw py::error_already_set();
    return py::reinterpret_steal<py::str>(str);
}

std::string fromText(py::handle text, const char* what) {
    if (PyBytes_Check(text.ptr())) return text.cast<std::string>();
    if (!PyUnicode_Check(text.ptr()))
        throw py::type_error(std::string(what) + " must be str or bytes, not " +
                             std::string(py::str(text.get_type().attr("__name__"))));
    PyObject* bytes = PyUnicode_AsEncodedString(text.ptr(), "utf-8", "surrogateescape");
    if (!bytes) throw py::error_already_set();
    return py::reinterpret_steal<py::bytes>(bytes).cast<std::string>();
}

py::list toStrList(const std::vector<std::string>& texts) {
    py::list list(texts.size());
    for (std::size_t i = 0; i < texts.size(); i++) list[i] = toStr(texts[i]);
    return list;
}

std::vector<std::string> fromTextList(py::handle texts, const char* what) {
    if (PyUnicode_Check(texts.ptr()) || PyBytes_Check(texts.ptr()))
        throw py::type_error(std::string(what) + " must be a list of names, not one name");
    std::vector<std::string> out;
    for (py::handle text : texts) out.push_back(fromText(text, what));
    return out;
}

std::vector<double> fromNumbers(py::handle numbers, const char* what) {
    if (PyUnicode_Check(numbers.ptr()) || PyBytes_Check(numbers.ptr()))
        throw py::type_error(std::string(what) + " must be a list of numbers");
    std::vector<double> out;
    for (py::handle number : numbers) {
        double v = PyFloat_AsDouble(number.ptr());
        if (v == -1.0 && PyErr_Occurred()) throw py::error_already_set();
        out.push_back(v);
    }
    return out;
}

} // namespace zep::python
