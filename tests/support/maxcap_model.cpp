// The max-capacity model: every table the reader fills is full, for the benchmarks.
#include <cmath>
#include <string>

#include "model/format.h"
#include "tests/support/mesh_shape.h"
#include "tests/support/sample_models.h"
#include "tests/support/texture_patterns.h"

namespace optb {
namespace {

constexpr int kMeshes = opt::kMaxTopLevel;                       // 50
constexpr int kGridW = 40, kGridH = opt::kMaxElements / kGridW;  // 40 x 25 = 1000 vertices
constexpr int kBlocksPerList = opt::kMaxFaceData / kMeshes;      // 4
constexpr int kTexturesPerMesh = opt::kMaxTextures / kMeshes;    // 3
constexpr int kFacesPerBlock = opt::kMaxFaces;                   // 50
constexpr float kSpacing = 1.0f;

std::string texture_name(int mesh, int k) { return "M" + std::to_string(mesh) + "T" + std::to_string(k); }

// A gently waved grid of 1000 vertices, placed on a 10 x 5 board of meshes.
Mesh grid_mesh(int m) {
    MeshShape s;
    const float ox = static_cast<float>(m % 10) * (kGridW + 5) * kSpacing;
    const float oy = static_cast<float>(m / 10) * (kGridH + 5) * kSpacing;
    for (int j = 0; j < kGridH; ++j) {
        for (int i = 0; i < kGridW; ++i) {
            s.vertex({ox + static_cast<float>(i) * kSpacing, oy + static_cast<float>(j) * kSpacing,
                      std::sin(static_cast<float>(i + j + m) * 0.3f)});
        }
    }
    const Vec3 below{ox, oy, -100};
    FaceList list;
    for (int b = 0; b < kBlocksPerList; ++b) {
        // Every face-data block follows a texture (or a reference), so each one keeps its record.
        if (b < kTexturesPerMesh) {
            list.children.push_back(checker_texture(texture_name(m, b),
                                                    (m * kTexturesPerMesh + b) % opt::kPaletteSlots, 8,
                                                    m * kTexturesPerMesh + b));
        } else {
            list.children.push_back(TextureRef{.name = texture_name(m, 0)});
        }
        std::vector<Face> faces;
        for (int f = 0; f < kFacesPerBlock; ++f) {
            const int cell = b * kFacesPerBlock + f;
            const int i = cell % (kGridW - 1), j = cell / (kGridW - 1);
            const int32_t a = j * kGridW + i;
            faces.push_back(s.face({a, a + 1, a + 1 + kGridW, a + kGridW}, below));
        }
        list.children.push_back(face_data(std::move(faces)));
    }
    const Vec3 c = s.centre();
    return Mesh{.children = {s.descriptor(m % 32, m), s.rot_scale(), s.vertices(), s.tex_vertices(),
                             s.normals(), LodSet{.distances = {1000.0f}, .face_lists = {std::move(list)}},
                             Hardpoint{.hp_type = 1, .pos = {c.x - 5, c.y, c.z}},
                             Hardpoint{.hp_type = 2, .pos = {c.x + 5, c.y, c.z}}}};
}

}  // namespace

Model maxcap_model() {
    Model m;
    for (int k = 0; k < opt::kPaletteSlots; ++k) m.palettes.push_back(PaletteBlock::ramp(k));
    for (int i = 0; i < kMeshes; ++i) m.entries.push_back(grid_mesh(i));
    return m;
}

}  // namespace optb
