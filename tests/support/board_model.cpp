// The board model: many meshes of many vertices, for the view's large-frame tests and benchmarks.
#include "tests/support/board_model.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "tests/support/mesh_shape.h"
#include "tests/support/texture_patterns.h"

namespace optb {
namespace {

constexpr int kPalettes = 8;

Mesh board_mesh(const BoardSize& size, int m) {
    MeshShape s;
    // The board is centred on the origin, where the view's fitted cube is centred.
    const int rows = (size.meshes + 9) / 10;
    const float ox = static_cast<float>((m % 10 - 5) * (size.gridW + 4));
    const float oy = static_cast<float>((m / 10 - rows / 2) * (size.gridH + 4));
    for (int j = 0; j < size.gridH; ++j)
        for (int i = 0; i < size.gridW; ++i)
            s.vertex({ox + static_cast<float>(i), oy + static_cast<float>(j), std::cos(static_cast<float>(i * j + m) * 0.2f)});
    const Vec3 below{ox, oy, -100};
    std::vector<Face> faces;
    for (int j = 0; j + 1 < size.gridH; ++j) {
        for (int i = 0; i + 1 < size.gridW; ++i) {
            const int32_t a = j * size.gridW + i, b = a + 1, c = b + size.gridW, d = a + size.gridW;
            if ((i + j) % 3 == 0) {
                faces.push_back(s.face({a, b, c}, below));
                faces.push_back(s.face({a, c, d}, below));
            } else {
                faces.push_back(s.face({a, b, c, d}, below));
            }
        }
    }
    // Each face-data block follows its mesh's texture (the first) or a reference to it.
    const std::string name = "B" + std::to_string(m);
    FaceList list;
    for (size_t f = 0; f < faces.size(); f += static_cast<size_t>(size.facesPerBlock)) {
        if (f == 0) {
            list.children.push_back(checker_texture(name, m % kPalettes, 8, m));
        } else {
            list.children.push_back(TextureRef{.name = name});
        }
        const size_t end = std::min(faces.size(), f + static_cast<size_t>(size.facesPerBlock));
        list.children.push_back(face_data({faces.begin() + static_cast<long>(f), faces.begin() + static_cast<long>(end)}));
    }
    return Mesh{.children = {s.descriptor(m % 32, m), s.rot_scale(), s.vertices(), s.tex_vertices(), s.normals(),
                             LodSet{.distances = {1000.0f}, .face_lists = {std::move(list)}}}};
}

}  // namespace

Model board_model(const BoardSize& size) {
    Model model;
    for (int k = 0; k < kPalettes; ++k) model.palettes.push_back(PaletteBlock::ramp(k));
    for (int m = 0; m < size.meshes; ++m) model.entries.push_back(board_mesh(size, m));
    return model;
}

}  // namespace optb
