#include "export/export_scene.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

#include "export/export_axes.h"
#include "export/export_materials.h"
#include "export/shared_corners.h"
#include "listings/listings.h"
#include "model/level_faces.h"
#include "render/core/frame_texture_lookup.h"

namespace opt {

namespace {

bool Finite(std::span<const float> v) {
    return std::all_of(v.begin(), v.end(), [](float x) { return std::isfinite(x); });
}

// v scaled to unit length, or nothing when it is zero or not finite.
std::optional<std::array<float, 3>> Unit(const std::array<double, 3>& v) {
    const double len = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
    if (!std::isfinite(len) || len <= 0.0) return std::nullopt;
    return std::array<float, 3>{static_cast<float>(v[0] / len), static_cast<float>(v[1] / len),
                                static_cast<float>(v[2] / len)};
}

// The side the view shows as front: the corners run clockwise seen from it, so the outward normal
// is the negated Newell normal of the polygon. Straight up when the polygon has no area.
std::array<float, 3> FrontNormal(const std::array<std::array<float, 3>, 4>& p, int corners) {
    std::array<double, 3> n{};
    for (int k = 0; k < corners; ++k) {
        const auto& a = p[static_cast<size_t>(k)];
        const auto& b = p[static_cast<size_t>((k + 1) % corners)];
        n[0] -= (double{a[1]} - b[1]) * (double{a[2]} + b[2]);
        n[1] -= (double{a[2]} - b[2]) * (double{a[0]} + b[0]);
        n[2] -= (double{a[0]} - b[0]) * (double{a[1]} + b[1]);
    }
    return Unit(n).value_or(std::array<float, 3>{0.0f, 1.0f, 0.0f});
}

// "hardpoint N TYPE": the type's line of the lookup file when it has one, else its number.
std::string HardpointName(int index, int32_t type, const std::vector<std::string>& typeNames) {
    std::string name;
    if (type >= 0 && static_cast<size_t>(type) < typeNames.size()) name = TrimName(typeNames[type]);
    if (name.empty()) name = std::to_string(type);
    return "hardpoint " + std::to_string(index) + " " + name;
}

// Where the faces of one face-data record go: the records of their mesh, their material, and (once
// a face is kept) their node, primitives and the mesh's number in the shared-corner table.
struct FaceTarget {
    int32_t mesh;
    MeshRecords records;
    int material;
    bool textured;
    ExportMeshNode* node = nullptr;
    int prim = -1;   // the node's primitive of its material
    int plain = -1;  // the node's primitive for its textured faces without texture coordinates
    uint32_t shared = 0;
};

class SceneBuilder {
public:
    SceneBuilder(const ModelStore& store, std::span<const uint8_t> file, const ExportOptions& options)
        : store_(store), options_(options), records_(store), materials_(store, file) {}

    ExportScene Build() {
        ExportScene scene;
        for (int32_t lod : options_.Lods) scene.Levels.push_back(Level(lod));
        scene.Materials = materials_.Take();
        return scene;
    }

private:
    ExportLevel Level(int32_t lod) {
        level_ = ExportLevel{};
        level_.Lod = lod;
        nodes_.clear();
        numbers_.clear();
        shared_.Clear();
        AddHardpoints();
        // The view's texture lookup: each face-data record's first pending name against the texture
        // list; a name found nowhere keeps the texture found before it. Every record is visited,
        // whatever its level, so a face gets the texture the view gives it.
        const TextureLookup lookup(store_.ttx);
        TextureBinding texture;
        std::optional<FaceTarget> target;
        WalkLevelFaces(
            records_, lod,
            [&](const FaceDataRecord& fd) {
                if (auto found = lookup.Find(fd.Tex_Names[0])) texture = *found;
                target.reset();
            },
            [&](const FaceDataRecord& fd, int j, const MeshRecords& own) {
                if (!target) {
                    const int material = materials_.For(texture);
                    target = FaceTarget{fd.Mesh, own, material, materials_[material].HasImage()};
                }
                AddFace(fd, j, *target);
            });
        for (auto& [mesh, node] : nodes_) level_.Nodes.push_back(std::move(node));
        return std::move(level_);
    }

    ExportMeshNode& Node(int32_t mesh) {
        auto [it, added] = nodes_.try_emplace(mesh);
        if (!added) return it->second;
        ExportMeshNode& node = it->second;
        node.Mesh = mesh;
        node.Name = "mesh " + std::to_string(mesh);
        if (const DescriptorRecord* d = records_.Descriptor(mesh)) {
            node.Descriptor = *d;
            const std::string type(MeshTypeName(d->Mesh_Type));
            if (!type.empty()) node.Name += " " + type;
        }
        if (const RotScaleRecord* r = records_.RotScale(mesh)) node.RotScale = *r;
        return node;
    }

    void AddHardpoints() {
        const auto hardpoints = records_.Hardpoints();
        for (size_t i = 0; i < hardpoints.size(); ++i) {
            const HardpointRecord& hp = hardpoints[i];
            const float xyz[3] = {hp.X, hp.Y, hp.Z};
            if (!Finite(xyz)) continue;
            const int index = static_cast<int>(i);
            Node(hp.Mesh).Hardpoints.push_back(ExportHardpoint{
                index, hp.HP_Type, HardpointName(index, hp.HP_Type, options_.HardpointTypeNames),
                ExportedPosition(hp.X, hp.Y, hp.Z)});
        }
    }

    // Face j of fd with the records of its own mesh. Skipped (and counted) only when a vertex index
    // lies outside the mesh's vertices or a position is not finite; a face whose texture coordinates
    // cannot be had goes to the plain material, and a corner without a usable normal takes the face's
    // own flat normal.
    void AddFace(const FaceDataRecord& fd, int j, FaceTarget& to) {
        const MeshRecords& rec = to.records;
        const int corners = FaceCorners(fd, j);
        std::array<int32_t, 4> v{}, t{-1, -1, -1, -1}, n{};
        for (int k = 0; k < corners; ++k) {
            v[k] = fd.Vertex(k)[j];
            if (!Inside(rec.Vertices, v[k])) {
                ++level_.Faces.SkippedOutside;
                return;
            }
        }
        for (int k = 0; k < corners; ++k) {
            const VertexRecord& vx = *rec.Vertices;
            const float xyz[3] = {vx.X[v[k]], vx.Y[v[k]], vx.Z[v[k]]};
            if (!Finite(xyz)) {
                ++level_.Faces.SkippedNotFinite;
                return;
            }
        }
        std::array<std::array<float, 2>, 4> uv{};
        bool textured = to.textured;
        for (int k = 0; k < corners && textured; ++k) {
            t[k] = fd.TexVertex(k)[j];
            textured = Inside(rec.TexVertices, t[k]);
            if (textured) uv[k] = {rec.TexVertices->U[t[k]], rec.TexVertices->V[t[k]]};
            textured = textured && Finite(uv[k]);
        }
        if (to.textured && !textured) {
            ++level_.Faces.WithoutTexCoords;
            t.fill(-1);
            uv = {};
        }
        bool computed = false;
        for (int k = 0; k < corners; ++k) {
            n[k] = fd.Index(kGroupVxNormal, k)[j];
            if (Inside(rec.Normals, n[k])) continue;
            n[k] = -1;
            computed = true;
        }
        if (computed) ++level_.Faces.ComputedNormals;
        // Positions in the exported frame, worked out for the corners that are kept.
        const auto position = [&](int k) {
            const VertexRecord& vx = *rec.Vertices;
            return ExportedPosition(vx.X[v[k]], vx.Y[v[k]], vx.Z[v[k]]);
        };
        if (to.node == nullptr) {
            to.node = &Node(to.mesh);
            const auto [it, added] = numbers_.try_emplace(to.mesh, 0);
            if (added) it->second = shared_.AddMesh(StoredElements(*rec.Vertices));
            to.shared = it->second;
        }
        const bool own = textured || !to.textured;  // the record's own material
        int& slot = own ? to.prim : to.plain;
        if (slot < 0) slot = Primitive(*to.node, own ? to.material : PlainMaterial());
        ExportPrimitive& prim = to.node->Primitives[static_cast<size_t>(slot)];
        std::vector<ExportCorner>& kept = to.node->Corners;
        std::optional<std::array<float, 3>> front;  // worked out for the first replaced normal
        for (int k = 0; k < corners; ++k) {
            uint32_t index = shared_.Find(to.shared, v[k], t[k], n[k]);
            if (index == SharedCorners::kNone) {
                index = static_cast<uint32_t>(kept.size());
                std::optional<std::array<float, 3>> normal;
                if (n[k] >= 0) {
                    const NormalRecord& nr = *rec.Normals;
                    normal = Unit({nr.X[n[k]], nr.Z[n[k]], -double{nr.Y[n[k]]}});
                }
                // A replaced normal belongs to this face alone: such corners are not shared.
                if (normal) {
                    shared_.Add(to.shared, v[k], t[k], n[k], index);
                } else {
                    if (!front) {
                        std::array<std::array<float, 3>, 4> pos{};
                        for (int c = 0; c < corners; ++c) pos[c] = position(c);
                        front = FrontNormal(pos, corners);
                    }
                    normal = front;
                }
                kept.push_back(ExportCorner{position(k), *normal, uv[k]});
            }
            prim.Indices.push_back(index);
        }
        prim.Sides.push_back(static_cast<uint8_t>(corners));
    }

    // The material of faces without a texture.
    int PlainMaterial() { return materials_.For(TextureBinding{}); }

    template <class Record>
    static bool Inside(const Record* r, int32_t index) {
        return r != nullptr && index >= 0 && index < StoredElements(*r);
    }

    // The node's primitive of a material (made when missing), by its position.
    static int Primitive(ExportMeshNode& node, int material) {
        for (size_t i = 0; i < node.Primitives.size(); ++i)
            if (node.Primitives[i].Material == material) return static_cast<int>(i);
        node.Primitives.emplace_back().Material = material;
        return static_cast<int>(node.Primitives.size()) - 1;
    }

    const ModelStore& store_;
    const ExportOptions& options_;
    StoreRecords records_;
    ExportMaterials materials_;
    ExportLevel level_;
    std::map<int32_t, ExportMeshNode> nodes_;  // by mesh index
    std::map<int32_t, uint32_t> numbers_;      // shared-corner numbers by mesh
    SharedCorners shared_;
};

}  // namespace

int ExportScene::Meshes() const {
    int n = 0;
    for (const auto& level : Levels)
        for (const auto& node : level.Nodes) n += node.Primitives.empty() ? 0 : 1;
    return n;
}

int ExportScene::Triangles() const {
    int n = 0;
    for (const auto& level : Levels)
        for (const auto& node : level.Nodes) n += node.Triangles();
    return n;
}

ExportFaceCounts& ExportFaceCounts::operator+=(const ExportFaceCounts& o) {
    WithoutTexCoords += o.WithoutTexCoords;
    ComputedNormals += o.ComputedNormals;
    SkippedOutside += o.SkippedOutside;
    SkippedNotFinite += o.SkippedNotFinite;
    return *this;
}

ExportFaceCounts ExportScene::FaceCounts() const {
    ExportFaceCounts n;
    for (const auto& level : Levels) n += level.Faces;
    return n;
}

int ExportScene::SkippedFaces() const { return FaceCounts().Skipped(); }

int ExportScene::Images() const {
    return static_cast<int>(std::count_if(Materials.begin(), Materials.end(),
                                          [](const ExportMaterial& m) { return m.HasImage(); }));
}

std::vector<int32_t> LevelsInStore(const ModelStore& store) {
    std::set<int32_t> levels;
    WalkLevelFaces(
        StoreRecords(store), 0, [&](const FaceDataRecord& fd) { levels.insert(fd.Lod_Position); },
        [](const FaceDataRecord&, int, const MeshRecords&) {});
    if (levels.empty()) return {0};
    return {levels.begin(), levels.end()};
}

ExportScene BuildExportScene(const ModelStore& store, std::span<const uint8_t> file,
                             const ExportOptions& options) {
    ExportScene scene = SceneBuilder(store, file, options).Build();
    const std::string& path = options.SourcePath;
    scene.SourceName = path.substr(path.find_last_of("/\\") + 1);
    scene.SourceBytes = static_cast<int64_t>(file.size());
    return scene;
}

}  // namespace opt
