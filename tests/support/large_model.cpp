// The large model: waved grids on a board, each drawn at three levels of detail by quads over every
// 1st, 4th and 8th grid line. Every face-data block follows a texture or a texture reference, so each
// block names its texture; the first `textures` blocks of level 0 define the textures, all later
// blocks refer to one of them by name.
#include "tests/support/large_model.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <system_error>
#include <utility>

#include "tests/support/mesh_shape.h"
#include "tests/support/texture_patterns.h"

namespace optb {
namespace {

constexpr float kLodDistances[kLargeLods] = {1500.0f, 6000.0f, 20000.0f};
constexpr int kBoardColumns = 20;
constexpr float kGap = 5.0f;  // between neighbouring grids on the board

std::string texture_name(int k) { return "LT" + std::to_string(k); }

class LargeMesh {
public:
    LargeMesh(const LargeModelSize& size, int mesh) : size_(size), mesh_(mesh) {
        const float ox = static_cast<float>(mesh % kBoardColumns) * (static_cast<float>(size.grid_w) + kGap);
        const float oy = static_cast<float>(mesh / kBoardColumns) * (static_cast<float>(size.grid_h) + kGap);
        for (int j = 0; j < size.grid_h; ++j) {
            for (int i = 0; i < size.grid_w; ++i) {
                shape_.vertex({ox + static_cast<float>(i), oy + static_cast<float>(j),
                               std::sin(static_cast<float>(i + j + mesh) * 0.3f)});
            }
        }
        below_ = {ox, oy, -100};
    }

    Mesh build() const {
        LodSet lods{.distances = {std::begin(kLodDistances), std::end(kLodDistances)}};
        for (int lod = 0; lod < kLargeLods; ++lod) lods.face_lists.push_back(level_list(lod));
        Mesh m{.children = {shape_.descriptor(mesh_ % 32, mesh_), shape_.rot_scale(), shape_.vertices(),
                            shape_.tex_vertices(), shape_.normals(), std::move(lods)}};
        const Vec3 c = shape_.centre();
        for (int k = 0; k < size_.hardpoints_per_mesh; ++k) {
            const float dx = (static_cast<float>(k) - static_cast<float>(size_.hardpoints_per_mesh - 1) / 2) * 5;
            m.children.push_back(Hardpoint{.hp_type = 1 + k % 2, .pos = {c.x + dx, c.y, c.z}});
        }
        return m;
    }

private:
    // The quads of a level in row order, each over stride x stride grid cells.
    std::vector<Face> level_faces(int stride) const {
        std::vector<Face> faces;
        const int32_t w = size_.grid_w;
        for (int j = 0; j + stride < size_.grid_h; j += stride) {
            for (int i = 0; i + stride < size_.grid_w; i += stride) {
                const int32_t a = j * w + i, b = a + stride;
                faces.push_back(shape_.face({a, b, b + stride * w, a + stride * w}, below_));
            }
        }
        return faces;
    }

    // Texture slot s of the whole model: level-0 block b of mesh m is slot m * blocks + b.
    FaceListChild texture_for_slot(int slot) const {
        if (slot < size_.textures) {
            return checker_texture(texture_name(slot), slot % size_.palette_blocks, size_.texture_size, slot);
        }
        return TextureRef{.name = texture_name(slot % size_.textures)};
    }

    FaceList level_list(int lod) const {
        const std::vector<Face> faces = level_faces(kLargeLodStrides[lod]);
        const auto per_block = static_cast<size_t>(size_.faces_per_block);
        const int first_slot = mesh_ * large_model_blocks(size_, 0);
        FaceList list;
        for (size_t from = 0, b = 0; from < faces.size(); from += per_block, ++b) {
            // Coarser levels wear the texture of the mesh's first level-0 block, defined before them.
            list.children.push_back(lod == 0 ? texture_for_slot(first_slot + static_cast<int>(b))
                                             : TextureRef{.name = texture_name(first_slot % size_.textures)});
            const size_t to = std::min(faces.size(), from + per_block);
            list.children.push_back(face_data(std::vector<Face>(faces.begin() + static_cast<std::ptrdiff_t>(from),
                                                          faces.begin() + static_cast<std::ptrdiff_t>(to))));
        }
        return list;
    }

    const LargeModelSize& size_;
    int mesh_;
    MeshShape shape_;
    Vec3 below_{};
};

}  // namespace

int64_t large_model_faces(const LargeModelSize& size, int lod) {
    const int stride = kLargeLodStrides[lod];
    return int64_t{(size.grid_w - 1) / stride} * ((size.grid_h - 1) / stride);
}

int large_model_blocks(const LargeModelSize& size, int lod) {
    const int64_t faces = large_model_faces(size, lod);
    return static_cast<int>((faces + size.faces_per_block - 1) / size.faces_per_block);
}

Model large_model(const LargeModelSize& size) {
    Model m;
    for (int k = 0; k < size.palette_blocks; ++k) m.palettes.push_back(PaletteBlock::ramp(k));
    for (int i = 0; i < size.meshes; ++i) m.entries.push_back(LargeMesh(size, i).build());
    return m;
}

const std::filesystem::path& ensure_large_model(const std::filesystem::path& path) {
    std::error_code ec;
    if (std::filesystem::exists(path, ec)) return path;
    std::filesystem::create_directories(path.parent_path());
    std::filesystem::path partial = path;
    partial += ".partial";
    write_file(partial, build(large_model()).bytes);
    std::filesystem::rename(partial, path);
    return path;
}

}  // namespace optb
