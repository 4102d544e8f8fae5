// The model as the exporters see it: per level of detail, one node per OPT mesh with its faces
// grouped by material, its hardpoints and its descriptor; the materials with their pixels. Built once
// from the store, then written as glTF or OBJ. Positions and normals are already in the exported
// frame: metres (20.5 file units each), OPT (x, y, z) turned to (x, z, -y), so OPT's height z is up.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "model/store.h"

namespace opt {

// One corner shared by the faces of a mesh that use the same (vertex, texture vertex, normal)
// triple. Eight packed floats: the glTF writer copies corners as they lie in memory, as interleaved
// vertices.
struct ExportCorner {
    std::array<float, 3> Position;
    std::array<float, 3> Normal;  // unit length
    std::array<float, 2> Uv;      // texture-vertex U, V as stored (0, 0 for untextured faces)
};

// The faces of one mesh that share a material. Polygons keep the view's corner order (3 or 4
// corners; the view's front side is the one where they run clockwise); each writer turns them into
// its own winding.
struct ExportPrimitive {
    int Material = 0;
    std::vector<uint32_t> Indices;  // the node's corners of all polygons, one after the other
    std::vector<uint8_t> Sides;     // 3 or 4 per polygon
    int Triangles() const {
        int n = 0;
        for (uint8_t s : Sides) n += s - 2;
        return n;
    }
};

struct ExportHardpoint {
    int Index = 0;  // hardpoint record number
    int32_t Type = 0;
    std::string Name;  // "hardpoint N TYPE"
    std::array<float, 3> Position{};
};

struct ExportMeshNode {
    int32_t Mesh = 0;  // top-level entry index
    std::string Name;
    std::vector<ExportCorner> Corners;        // the corners its primitives use
    std::vector<ExportPrimitive> Primitives;  // empty: a node for hardpoints only
    std::vector<ExportHardpoint> Hardpoints;
    std::optional<DescriptorRecord> Descriptor;
    std::optional<RotScaleRecord> RotScale;
    int Triangles() const {
        int n = 0;
        for (const auto& p : Primitives) n += p.Triangles();
        return n;
    }
};

// How the faces of an export were taken. A face is kept whenever its vertex indices lie inside its
// mesh's vertices and its positions are finite; what else it lacks is made up and counted.
struct ExportFaceCounts {
    int WithoutTexCoords = 0;  // textured faces put in the plain material: a texture-vertex index
                               // outside the mesh's texture vertices, or coordinates not finite
    int ComputedNormals = 0;   // faces given their own flat normal: a normal index outside the mesh's
                               // normals (a zero normal is replaced too, and not counted)
    int SkippedOutside = 0;    // skipped: a vertex index outside the mesh's vertices
    int SkippedNotFinite = 0;  // skipped: a position that is not a finite number
    int Skipped() const { return SkippedOutside + SkippedNotFinite; }
    ExportFaceCounts& operator+=(const ExportFaceCounts& o);
};

struct ExportLevel {
    int32_t Lod = 0;
    std::vector<ExportMeshNode> Nodes;
    ExportFaceCounts Faces;
};

struct ExportMaterial {
    std::string Name;   // the texture name; kUntexturedMaterial for faces without texture
    int32_t Width = 0;  // picture size; 0 x 0 when the texture has no usable pixels
    int32_t Height = 0;
    std::vector<uint8_t> Rgb;  // Width * Height RGB8 texels, rows as stored (top row first)
    // Faces of a material with an image carry texture coordinates; the others are plain.
    bool HasImage() const { return Width > 0 && Height > 0; }
};

inline constexpr const char* kUntexturedMaterial = "untextured";

struct ExportScene {
    std::vector<ExportLevel> Levels;
    std::vector<ExportMaterial> Materials;
    std::string SourceName;   // the model file's name, without folders
    int64_t SourceBytes = 0;  // its length
    int Meshes() const;       // mesh nodes with faces, over all levels
    int Triangles() const;
    int SkippedFaces() const;
    ExportFaceCounts FaceCounts() const;  // over all levels
    int Images() const;
};

struct ExportOptions {
    std::vector<int32_t> Lods{0};                 // the levels to export, one scene each
    std::vector<std::string> HardpointTypeNames;  // lines of the hardpoint lookup file (may be empty)
    std::string SourcePath;                       // the model file; only its name is kept
};

// The levels that face-data records of the store hold (each face list's position in its LOD set),
// ascending (just 0 when none does).
std::vector<int32_t> LevelsInStore(const ModelStore& store);

// Builds the scene. file: the model file's bytes, for the texture pixels (never read past Size or
// the end of the file).
ExportScene BuildExportScene(const ModelStore& store, std::span<const uint8_t> file,
                             const ExportOptions& options);

}  // namespace opt
