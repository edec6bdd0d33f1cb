// Text between zep and Python. zep holds names and reports as bytes; Python
// sees them as str, with any bytes that are not UTF-8 kept as surrogate
// escapes, so that a str read back gives the same bytes.
#pragma once

#include <pybind11/pybind11.h>

#include <string>
#include <vector>

namespace zep::python {

namespace py = pybind11;

py::str toStr(const std::string& text);

// A str (encoded as UTF-8, surrogate escapes back to their bytes) or bytes.
std::string fromText(py::handle text, const char* what);

py::list toStrList(const std::vector<std::string>& texts);
std::vector<std::string> fromTextList(py::handle texts, const char* what);

std::vector<double> fromNumbers(py::handle numbers, const char* what);

} // namespace zep::python
