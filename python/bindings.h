// The Python module `zedaruz` over the library's public API (include/zedaruz/): what the binding's
// files share. Text the model holds (names, listing lines, warnings) is bytes from the file; it
// becomes str with the bytes that are not UTF-8 kept as lone surrogates ("surrogateescape"), so a
// name encodes back to the file's bytes and can be given back (a texture name to export_bmp).
#pragma once

#include <pybind11/pybind11.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace zedaruz::python {

namespace py = pybind11;

// The model's bytes as str, and a str given for them back as bytes.
py::str Text(const std::string& bytes);
py::list TextList(const std::vector<std::string>& lines);
std::string Bytes(const py::str& text);
// A path as str, decoded as Python decodes file names (os.fsdecode).
py::str PathText(const std::filesystem::path& path);

// Runs C++ work with the GIL released, so that other Python threads run meanwhile. The work must
// not touch Python objects; its result is turned into them after the GIL is back.
template <class Work>
auto WithoutGil(Work&& work) -> decltype(work()) {
    py::gil_scoped_release released;
    return std::forward<Work>(work)();
}

// Each adds its part of the module.
void BindRecords(py::module_& m);  // Hardpoint, HitZone, Descriptor, ..., WriteReport, RevertReport
void BindModel(py::module_& m);    // Model and open()
void BindEdits(py::module_& m);    // Model's edits: set_hardpoint(), move_hardpoints(), ...
void BindFiles(py::module_& m);    // history(), revert(), check(), diff(), listing_names(), ...

}  // namespace zedaruz::python
