// zedaruz.open() and zedaruz.Model: one load of an OPT file, what it holds, its edits and exports.
#include <pybind11/numpy.h>
#include <pybind11/stl.h>
#include <pybind11/stl/filesystem.h>
#include <zedaruz/zedaruz.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "bindings.h"
#include "shared_model.h"

namespace zedaruz::python {

namespace {

namespace fs = std::filesystem;

// The line `zedaruz-cli check` prints for a file: its path, the verdict and its lines (the reason it
// holds no model, the reader's warnings).
std::string CheckLine(const fs::path& file) {
    const std::vector<CheckResult> results = Check({file});
    if (results.empty()) return file.string() + ": " + VerdictName(Verdict::Unreadable);
    std::string line = results.front().file.string() + ": " + VerdictName(results.front().verdict);
    const char* separator = ": ";
    for (const std::string& text : results.front().lines) {
        line += separator + text;
        separator = " | ";
    }
    return line;
}

std::unique_ptr<SharedModel> Open(const fs::path& file, bool allow_damaged, const std::string& tables,
                                  const std::optional<fs::path>& journal) {
    OpenOptions options;
    if (tables == "classic")
        options.tables = TableSizes::Classic;
    else if (tables != "grown")
        throw py::value_error("tables is \"grown\" or \"classic\", not \"" + tables + "\"");
    if (journal) options.journal = *journal;
    return WithoutGil([&] {
        Model model = Model::Open(file, options);
        const Verdict verdict = VerdictOf(model);
        if (!allow_damaged && (verdict == Verdict::Damaged || verdict == Verdict::Unreadable))
            throw Error(CheckLine(file));
        return std::make_unique<SharedModel>(std::move(model));
    });
}

// Rows of N values as an (rows, N) array that owns them: the vector moves into the array's base.
template <class T, size_t N>
py::array_t<T> Rows(std::vector<std::array<T, N>> rows) {
    using Owned = std::vector<std::array<T, N>>;
    static_assert(sizeof(std::array<T, N>) == N * sizeof(T), "rows are packed");
    auto owned = std::make_unique<Owned>(std::move(rows));
    const T* data = owned->empty() ? nullptr : owned->front().data();
    const auto count = static_cast<py::ssize_t>(owned->size());
    py::capsule base(owned.get(), [](void* p) { delete static_cast<Owned*>(p); });
    owned.release();
    return py::array_t<T>({count, static_cast<py::ssize_t>(N)}, data, base);
}

// A property that returns what a const member of the model returns.
template <class Member>
auto Reading(Member member) {
    return [member](const SharedModel& s) { return s.Read(member); };
}

}  // namespace

void BindModel(py::module_& m) {
    using Shared = SharedModel;
    py::class_<Shared, std::unique_ptr<Shared>> model_class(m, "Model",
                                                            R"(An OPT model opened with zedaruz.open().

It owns everything one load read: the block tables, the file's bytes and the reader's warnings. It
reads its file once; it writes it only through its edits (set_hardpoint(), move_hardpoints(),
set_descriptor(), ...), each one verified, locked, journaled write, after which the model holds the
disk's bytes. Coordinates are file units (20.5 to the metre). Long calls release the GIL; models may
be used on any thread.)");

    model_class
        .def_property_readonly(
            "file", [](const Shared& s) { return PathText(s.Read(&Model::File)); },
            "The path the model was opened from, as given.")
        .def_property_readonly("file_size", Reading(&Model::FileSize), "The file's length in bytes.")
        .def_property_readonly(
            "warnings", [](const Shared& s) { return TextList(s.Read(&Model::Warnings)); },
            "The reader's lines (damage and notes), as `zedaruz-cli list` prints them first.")
        .def_property_readonly(
            "verdict", [](const Shared& s) { return VerdictName(s.Read(&VerdictOf)); },
            "What `zedaruz-cli check` says of the file: \"ok\", \"notes\", \"damaged\" or \"unreadable\".")
        .def_property_readonly("mesh_count", Reading(&Model::MeshCount),
                               "Top-level entries that are not textures.")
        .def_property_readonly("levels", Reading(&Model::Levels),
                               "The levels of detail whose faces the model holds, ascending.")
        .def_property_readonly("hardpoints", Reading(&Model::Hardpoints),
                               "The hardpoint records, in table order.")
        .def_property_readonly("descriptors", Reading(&Model::Descriptors),
                               "The mesh descriptor records, in table order.")
        .def_property_readonly("lod_sets", Reading(&Model::LodSets), "The LOD set records, in table order.")
        .def_property_readonly("rot_scales", Reading(&Model::RotScales),
                               "The rotation/scale records, in table order.")
        .def_property_readonly("textures", Reading(&Model::Textures), "The texture records, in table order.")
        .def(
            "listing",
            [](const Shared& s, const std::string& name) {
                return TextList(s.Read([&](const Model& model) { return model.Listing(name); }));
            },
            py::arg("name"),
            "The lines `zedaruz-cli list FILE NAME` prints after the warnings (zedaruz.listing_names() "
            "gives the names). Raises zedaruz.Error for an unknown name.")
        .def(
            "hit_zones",
            [](const Shared& s, int level) {
                return s.Read([&](const Model& model) { return model.HitZones(level); });
            },
            py::arg("level") = 0,
            "The hit zone of each mesh descriptor, computed from its mesh's own faces at the level. "
            "Nothing is written.")
        .def(
            "vertices",
            [](const Shared& s, int mesh) {
                return Rows(s.Read([&](const Model& model) { return model.Vertices(mesh); }));
            },
            py::arg("mesh"),
            "The vertices of the mesh's own vertex block as a float32 array of shape (N, 3), a copy. Raises "
            "zedaruz.Error for a mesh the model lacks.")
        .def(
            "faces",
            [](const Shared& s, int mesh, int level) {
                return Rows(s.Read([&](const Model& model) { return model.Faces(mesh, level); }));
            },
            py::arg("mesh"), py::arg("level") = 0,
            "The mesh's faces at the level as an int32 array of shape (F, 4): indices into "
            "vertices(mesh), -1 as the fourth of a triangle. Raises zedaruz.Error for a mesh the model "
            "lacks.")
        .def(
            "info",
            [](const Shared& s) {
                const std::string json = s.Read([](const Model& model) { return model.InfoJson(); });
                return py::module_::import("json").attr("loads")(Text(json));
            },
            "The whole model as a dict: json.loads() of what `zedaruz-cli info --json FILE` prints.")
        .def(
            "export_gltf",
            [](const Shared& s, const fs::path& out, int level) {
                s.Read([&](const Model& model) { ExportGltf(model, out, level); });
            },
            py::arg("path"), py::arg("level") = 0,
            "Writes the level as glTF 2.0: .glb (binary) or .gltf (JSON) by the path's extension, in metres, "
            "Y up. Raises zedaruz.Error for a level the model lacks or a file that cannot be written.")
        .def(
            "export_gltf_all_levels",
            [](const Shared& s, const fs::path& out) {
                s.Read([&](const Model& model) { ExportGltfAllLevels(model, out); });
            },
            py::arg("path"), "Writes every level as glTF 2.0, a scene each.")
        .def(
            "export_obj",
            [](const Shared& s, const fs::path& out, int level) {
                s.Read([&](const Model& model) { ExportObj(model, out, level); });
            },
            py::arg("path"), py::arg("level") = 0,
            "Writes the level as OBJ, with its MTL and one PNG per texture beside it.")
        .def(
            "export_bmp",
            [](const Shared& s, const py::str& texture, const fs::path& folder) {
                const std::string name = Bytes(texture);
                return PathText(s.Read([&](const Model& model) { return ExportBmp(model, name, folder); }));
            },
            py::arg("texture"), py::arg("folder"),
            "Writes the texture as an 8-bit BMP into the folder, as `zedaruz-cli export-bmp`; returns the "
            "file's path.")
        .def(
            "export_palettes",
            [](const Shared& s, const fs::path& folder) {
                py::list written;
                for (const fs::path& p :
                     s.Read([&](const Model& model) { return ExportPalettes(model, folder); }))
                    written.append(PathText(p));
                return written;
            },
            py::arg("folder"),
            "Writes the palettes as .pal files into the folder, as `zedaruz-cli export-pals`; returns their "
            "paths.")
        .def("__repr__", [](const Shared& s) {
            return "<zedaruz.Model " + py::repr(PathText(s.Read([](const Model& model) {
                                           return model.File();
                                       }))).cast<std::string>() +
                   ">";
        });

    m.def("open", &Open, py::arg("path"), py::kw_only(), py::arg("allow_damaged") = false,
          py::arg("tables") = "grown", py::arg("journal") = py::none(),
          R"(Opens an OPT model: reads the file once and walks its block tree.

Raises zedaruz.Error with zedaruz-cli's message when the file cannot be read (a missing file, a
folder), and for a damaged file (a reader warning about the file's structure) or one that holds no
model (the message is the line `zedaruz-cli check FILE` prints) unless allow_damaged is true: then it
loads as far as it can and
`warnings` says what the reader found. tables="classic" reads into the classic table sizes, as
`zedaruz-cli --tables classic`. journal names the write journal of the model's writes; by default
ZEDARUZ_JOURNAL, else patch-journal.jsonl in the SaveData folder, as for zedaruz-cli.)");

    m.def(
        "diff",
        [](const Shared& a, const Shared& b) {
            return TextList(a.ReadWith(b, [](const Model& ma, const Model& mb) { return Diff(ma, mb); }));
        },
        py::arg("a"), py::arg("b"),
        "The lines `zedaruz-cli diff A B` prints: each changed field with its positions in both files.");
}

}  // namespace zedaruz::python
