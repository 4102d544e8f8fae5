// The extension module zedaruz._zedaruz, which the package zedaruz (zedaruz/__init__.py) re-exports:
// the version, the one exception, and the parts each file adds.
#include <zedaruz/zedaruz.h>

#include "bindings.h"

namespace py = pybind11;

PYBIND11_MODULE(_zedaruz, m) {
    m.doc() = "Reading, inspecting, exporting and patching OPT model files: the Zedaruz library from Python.";
    // Classes and functions name the package the user imports as their module, so that help(),
    // reprs and tracebacks say zedaruz.Model and zedaruz.Error (pybind11 takes a scope's __module__
    // when it has one); the attribute goes again once everything is bound.
    m.attr("__module__") = "zedaruz";
    m.attr("__version__") = zedaruz::kVersion;

    py::object error = py::register_exception<zedaruz::Error>(m, "Error");
    error.attr("__module__") = "zedaruz";
    error.attr("__doc__") =
        "What the library raises for anything a user can cause: a file that cannot be read or written, a "
        "damaged model opened without allow_damaged, a record that is not there, a value out of range, a "
        "write the disk refused. str(e) is the message zedaruz-cli prints for the same failure. A failed "
        "write has written nothing.";

    zedaruz::python::BindRecords(m);
    zedaruz::python::BindModel(m);
    zedaruz::python::BindEdits(m);
    zedaruz::python::BindFiles(m);
    py::delattr(m, "__module__");
}
