// Strings between the library and Python: the model's bytes, and paths.
#include "bindings.h"

namespace zedaruz::python {

namespace {

py::str Owned(PyObject* made) {
    if (made == nullptr) throw py::error_already_set();
    return py::reinterpret_steal<py::str>(made);
}

}  // namespace

py::str Text(const std::string& bytes) {
    return Owned(
        PyUnicode_DecodeUTF8(bytes.data(), static_cast<Py_ssize_t>(bytes.size()), "surrogateescape"));
}

py::list TextList(const std::vector<std::string>& lines) {
    py::list list(lines.size());
    for (size_t i = 0; i < lines.size(); ++i) list[i] = Text(lines[i]);
    return list;
}

std::string Bytes(const py::str& text) {
    PyObject* encoded = PyUnicode_AsEncodedString(text.ptr(), "utf-8", "surrogateescape");
    if (encoded == nullptr) throw py::error_already_set();
    return std::string(py::reinterpret_steal<py::bytes>(encoded));
}

py::str PathText(const std::filesystem::path& path) {
    const std::string name = path.string();
    return Owned(PyUnicode_DecodeFSDefaultAndSize(name.data(), static_cast<Py_ssize_t>(name.size())));
}

}  // namespace zedaruz::python
