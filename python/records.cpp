// The records a model lists (hardpoints, hit zones, descriptors, LOD sets, rotation/scale blocks,
// textures) and the reports of writes, as read-only Python objects. Coordinates are file units
// (20.5 to the metre); positions are file positions, as the listings print them.
#include <pybind11/stl.h>
#include <zedaruz/zedaruz.h>

#include <array>
#include <string>
#include <vector>

#include "bindings.h"

namespace zedaruz::python {

namespace {

template <size_t N>
py::tuple Tuple(const std::array<float, N>& values) {
    py::tuple t(N);
    for (size_t i = 0; i < N; ++i) t[i] = values[i];
    return t;
}

// "Name(a=1, b=2)" from the object's own attributes, in the order given.
std::string Repr(const py::handle& self, const char* name, const std::vector<const char*>& fields) {
    std::string text = std::string(name) + "(";
    const char* separator = "";
    for (const char* field : fields) {
        text += separator + std::string(field) + "=" + py::repr(self.attr(field)).cast<std::string>();
        separator = ", ";
    }
    return text + ")";
}

template <class Record>
void AddRepr(py::class_<Record>& c, const char* name, std::vector<const char*> fields) {
    c.def("__repr__", [name, fields](const py::handle& self) { return Repr(self, name, fields); });
}

}  // namespace

void BindRecords(py::module_& m) {
    py::class_<Hardpoint> hardpoint(m, "Hardpoint", "A hardpoint record (Model.hardpoints).");
    hardpoint
        .def_readonly("index", &Hardpoint::index,
                      "Its number in the hardpoint table (set_hardpoint's INDEX).")
        .def_readonly("mesh", &Hardpoint::mesh, "The top-level entry it was read under.")
        .def_readonly("type", &Hardpoint::type, "The weapon type code.")
        .def_readonly("x", &Hardpoint::x, "File units.")
        .def_readonly("y", &Hardpoint::y, "File units.")
        .def_readonly("z", &Hardpoint::z, "File units.")
        .def_readonly("position", &Hardpoint::position, "File position of the record's data.");
    AddRepr(hardpoint, "Hardpoint", {"index", "mesh", "type", "x", "y", "z", "position"});

    py::class_<HitZone> hit_zone(m, "HitZone",
                                 "A mesh's hit zone computed from its own faces (Model.hit_zones).");
    hit_zone.def_readonly("descriptor", &HitZone::descriptor, "The mesh descriptor the box belongs to.")
        .def_readonly("mesh", &HitZone::mesh, "The top-level entry of the mesh.")
        .def_property_readonly(
            "min", [](const HitZone& h) { return Tuple(h.min); }, "The box's lowest corner (x, y, z).")
        .def_property_readonly(
            "max", [](const HitZone& h) { return Tuple(h.max); }, "The box's highest corner (x, y, z).");
    AddRepr(hit_zone, "HitZone", {"descriptor", "mesh", "min", "max"});

    py::class_<Descriptor> descriptor(m, "Descriptor", "A mesh descriptor record (Model.descriptors).");
    descriptor.def_readonly("index", &Descriptor::index, "Its number in the descriptor table.")
        .def_readonly("mesh", &Descriptor::mesh, "The top-level entry it was read under.")
        .def_readonly("type", &Descriptor::type, "The mesh type code.")
        .def_readonly("group", &Descriptor::group, "The group word.")
        .def_readonly("unknown", &Descriptor::unknown, "The word after the group, whose use is not known.")
        .def_property_readonly(
            "target", [](const Descriptor& d) { return Tuple(d.target); }, "The target point (x, y, z).")
        .def_property_readonly(
            "hit_min", [](const Descriptor& d) { return Tuple(d.hit_min); },
            "The stored hit zone's lowest corner (x, y, z).")
        .def_property_readonly(
            "hit_max", [](const Descriptor& d) { return Tuple(d.hit_max); },
            "The stored hit zone's highest corner (x, y, z).")
        .def_property_readonly(
            "hit_span", [](const Descriptor& d) { return Tuple(d.hit_span); },
            "The stored hit zone's span (x, y, z).")
        .def_property_readonly(
            "hit_centre", [](const Descriptor& d) { return Tuple(d.hit_centre); },
            "The stored hit zone's centre (x, y, z).")
        .def_readonly("position", &Descriptor::position, "File position of the record's data.");
    AddRepr(descriptor, "Descriptor", {"index", "mesh", "type", "group", "target", "hit_min", "hit_max"});

    py::class_<LodSet> lod_set(m, "LodSet", "A LOD set record (Model.lod_sets).");
    lod_set.def_readonly("index", &LodSet::index, "Its number in the LOD set table.")
        .def_readonly("mesh", &LodSet::mesh, "The top-level entry it was read under.")
        .def_property_readonly(
            "distances", [](const LodSet& l) { return py::tuple(py::cast(l.distances)); },
            "One distance per level of the set.")
        .def_readonly("position", &LodSet::position, "File position of the distances.");
    AddRepr(lod_set, "LodSet", {"index", "mesh", "distances", "position"});

    py::class_<RotScale> rot_scale(m, "RotScale", "A rotation/scale record (Model.rot_scales).");
    rot_scale.def_readonly("index", &RotScale::index, "Its number in the rotation/scale table.")
        .def_readonly("mesh", &RotScale::mesh, "The top-level entry it was read under.")
        .def_property_readonly(
            "floats", [](const RotScale& r) { return Tuple(r.floats); },
            "The 12 floats in file order: the centre, then the three scale rows.")
        .def_readonly("position", &RotScale::position, "File position of the floats.");
    AddRepr(rot_scale, "RotScale", {"index", "mesh", "floats", "position"});

    py::class_<Texture> texture(m, "Texture", "A texture record (Model.textures).");
    texture.def_readonly("index", &Texture::index, "Its number in the texture table.")
        .def_property_readonly(
            "name", [](const Texture& t) { return Text(t.name); }, "The name (export_bmp's texture).")
        .def_readonly("width", &Texture::width, "Pixels.")
        .def_readonly("height", &Texture::height, "Pixels.")
        .def_readonly("palette_slot", &Texture::palette_slot, "The palette set its colours come from.")
        .def_readonly("position", &Texture::position, "File position of the texture block.");
    AddRepr(texture, "Texture", {"index", "name", "width", "height", "palette_slot", "position"});

    py::class_<WriteReport> write(m, "WriteReport",
                                  "What a write did (Model.set_hardpoint, Model.move_hardpoints).");
    write
        .def_readonly("journal_id", &WriteReport::journal_id,
                      "The journal's id of the write (history, revert); 0 when nothing was written.")
        .def_readonly("bytes_written", &WriteReport::bytes_written,
                      "0: nothing written, the file already held these values.");
    AddRepr(write, "WriteReport", {"journal_id", "bytes_written"});

    py::class_<RevertReport> revert(m, "RevertReport", "What revert() did.");
    revert.def_readonly("reverted_id", &RevertReport::reverted_id, "The write undone.")
        .def_readonly("journal_id", &RevertReport::journal_id, "The revert's own id in the journal.")
        .def_readonly("bytes_written", &RevertReport::bytes_written, "The bytes the revert wrote back.");
    AddRepr(revert, "RevertReport", {"reverted_id", "journal_id", "bytes_written"});
}

}  // namespace zedaruz::python
