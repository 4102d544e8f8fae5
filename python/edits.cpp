// The model's edits: each builds the library's edit value from Python's arguments and applies it as
// one verified, locked, journaled write, with the model's lock held exclusively and the GIL released.
#include <pybind11/stl.h>
#include <pybind11/stl/filesystem.h>
#include <zedaruz/zedaruz.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <map>
#include <optional>
#include <string>

#include "bindings.h"
#include "shared_model.h"

namespace zedaruz::python {

namespace {

// A Python float as the file's 32-bit float. NaN and infinities go on to Apply, which refuses them.
float FileFloat(double value) {
    if (std::isfinite(value) && std::fabs(value) > std::numeric_limits<float>::max())
        throw Error("'" + py::repr(py::float_(value)).cast<std::string>() +
                    "' is not a valid floating point value");
    return static_cast<float>(value);
}

int FileInt(long long value) {
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
        throw Error("'" + std::to_string(value) + "' is not a valid integer value");
    return static_cast<int>(value);
}

std::optional<float> FileFloat(const std::optional<double>& value) {
    if (!value) return std::nullopt;
    return FileFloat(*value);
}

WriteReport SetHardpoint(SharedModel& shared, int index, const std::optional<double>& x,
                         const std::optional<double>& y, const std::optional<double>& z,
                         const std::optional<long long>& type) {
    if (!x && !y && !z && !type)
        throw py::type_error("set_hardpoint() needs at least one of x, y, z and type");
    const std::optional<float> fx = FileFloat(x), fy = FileFloat(y), fz = FileFloat(z);
    const std::optional<int> code = type ? std::optional<int>(FileInt(*type)) : std::nullopt;
    return shared.Write([&](Model& model) {
        // The fields not given keep the file's values; an index the model lacks is refused by Apply.
        HardpointMove move{index, 0, 0, 0, code};
        for (const Hardpoint& h : model.Hardpoints())
            if (h.index == index) move = {index, h.x, h.y, h.z, code};
        move.x = fx.value_or(move.x);
        move.y = fy.value_or(move.y);
        move.z = fz.value_or(move.z);
        return Apply(model, MoveHardpoints{{move}});
    });
}

WriteReport MoveHardpointsTo(SharedModel& shared, const std::map<int, std::array<double, 3>>& positions) {
    MoveHardpoints edit;
    for (const auto& [index, p] : positions)
        edit.moves.push_back({index, FileFloat(p[0]), FileFloat(p[1]), FileFloat(p[2]), std::nullopt});
    return shared.Write([&](Model& model) { return Apply(model, edit); });
}
// The descriptor's fields by the names `zedaruz-cli set-descriptor` takes.
DescriptorField DescriptorFieldNamed(const std::string& name) {
    const std::map<std::string, DescriptorField> fields = {
        {"target-x", DescriptorField::TargetX}, {"target-y", DescriptorField::TargetY},
        {"target-z", DescriptorField::TargetZ}, {"group", DescriptorField::Group},
        {"type", DescriptorField::Type},        {"unknown", DescriptorField::Unknown}};
    const auto found = fields.find(name);
    if (found == fields.end())
        throw py::value_error("field is target-x, target-y, target-z, group, type or unknown, not \"" + name +
                              "\"");
    return found->second;
}

// Applies an edit value to the model.
template <class Edit>
WriteReport Applied(SharedModel& shared, const Edit& edit) {
    return shared.Write([&](Model& model) { return Apply(model, edit); });
}

}  // namespace

void BindEdits(py::module_& m) {
    py::class_<SharedModel, std::unique_ptr<SharedModel>>(m.attr("Model"))
        .def("set_hardpoint", &SetHardpoint, py::arg("index"), py::kw_only(), py::arg("x") = py::none(),
             py::arg("y") = py::none(), py::arg("z") = py::none(), py::arg("type") = py::none(),
             R"(Sets the given fields of hardpoint `index` (x, y, z in file units; type, the weapon type code)
in ONE verified, journaled write (`zedaruz-cli revert FILE` or zedaruz.revert() undoes it); the other
fields keep the file's values. Raises zedaruz.Error, writing nothing, for an index the model lacks, a
value that is no 32-bit float or integer, or a file changed since the model read it.)")
        .def("move_hardpoints", &MoveHardpointsTo, py::arg("positions"),
             R"(Moves several hardpoints in ONE verified, journaled write, as `zedaruz-cli set-hardpoints`:
`positions` maps a hardpoint's index to its new (x, y, z) in file units. Raises zedaruz.Error, writing
nothing, as set_hardpoint() does.)")
        .def(
            "set_descriptor",
            [](SharedModel& s, int index, const std::string& field, double value) {
                return Applied(s, SetDescriptor{index, DescriptorFieldNamed(field), value});
            },
            py::arg("index"), py::arg("field"), py::arg("value"),
            R"(Sets one field of mesh descriptor `index`, as `zedaruz-cli set-descriptor`: field is "target-x",
"target-y" or "target-z" (a real) or "group", "type" or "unknown" (a 32-bit integer). One verified,
journaled write; raises zedaruz.Error, writing nothing, for a descriptor the model lacks or a value the
field cannot hold.)")
        .def(
            "set_lod_distance",
            [](SharedModel& s, int k, double value) {
                return Applied(s, SetLodDistance{k, FileFloat(value)});
            },
            py::arg("k"), py::arg("value"),
            "Sets distance k (0, 1 or 2) of every LOD set, as `zedaruz-cli set-lod-distance`: one verified, "
            "journaled write.")
        .def(
            "set_rot_scale",
            [](SharedModel& s, int index, int float_no, double value) {
                return Applied(s, SetRotScale{index, float_no, FileFloat(value)});
            },
            py::arg("index"), py::arg("float_no"), py::arg("value"),
            "Sets float float_no (0 to 11: the centre, then the three scale rows) of rotation/scale block "
            "index, as `zedaruz-cli set-rsh`: one verified, journaled write.")
        .def(
            "write_hit_zones", [](SharedModel& s, int level) { return Applied(s, WriteHitZones{level}); },
            py::arg("level") = 0,
            "Writes the hit zones computed at the level (hit_zones()) into every mesh descriptor, as "
            "`zedaruz-cli hitzones --write`: one verified, journaled write.")
        .def(
            "zero_hit_zones", [](SharedModel& s) { return Applied(s, ZeroHitZones{}); },
            "Writes the hit zones computed at level 0 with zero corners (spans and centres as computed), as "
            "`zedaruz-cli hitzones --zero`: one verified, journaled write.")
        .def(
            "copy_centres", [](SharedModel& s) { return Applied(s, CopyCentres{}); },
            "Copies the computed hit zone centres into the rotation/scale block of the same number, as "
            "`zedaruz-cli hitzones --copy-centres`: one verified, journaled write.")
        .def(
            "import_texture",
            [](SharedModel& s, const py::str& texture, const std::filesystem::path& image, int level) {
                return Applied(s, ImportTexture{Bytes(texture), image, level});
            },
            py::arg("texture"), py::arg("image"), py::arg("level") = 7,
            "Writes a picture (BMP or PNG of the texture's size) over the texture's pixels, as `zedaruz-cli "
            "import-texture`: colours not in the palette map to the nearest colour of palette level `level`. "
            "One verified, journaled write.");
}

}  // namespace zedaruz::python
