// The large synthetic model of the benchmarks, well past the classic table capacities: by default
// 200 meshes of 5,000 vertices (with texture vertices and normals), about 1,000,000 faces in three
// levels of detail, 300 textures of 256 x 256 in 40 palette blocks, 400 hardpoints, a descriptor and
// a rotation/scale block per mesh. The same generator at smaller sizes makes models that fit the
// classic capacities, so a small test keeps it honest without writing the full model.
#pragma once

#include <cstdint>
#include <filesystem>

#include "tests/support/opt_builder.h"

namespace optb {

struct LargeModelSize {
    int meshes = 200;
    int grid_w = 100, grid_h = 50;  // each mesh is a waved grid of grid_w x grid_h vertices
    int faces_per_block = 1700;     // a level's faces are cut into face-data blocks of at most this many
    int textures = 300;             // distinct textures; later face-data blocks refer to them by name
    int texture_size = 256;         // square, one byte per pixel
    int palette_blocks = 40;
    int hardpoints_per_mesh = 2;
};

// Cells between the grid lines a level's quads span: level 0 uses every grid line, level 1 every
// 4th, level 2 every 8th.
inline constexpr int kLargeLodStrides[] = {1, 4, 8};
inline constexpr int kLargeLods = 3;

// Faces of one mesh at level `lod` (quads over the grid at that level's stride).
int64_t large_model_faces(const LargeModelSize& size, int lod);
// Face-data blocks of one mesh at level `lod`.
int large_model_blocks(const LargeModelSize& size, int lod);

Model large_model(const LargeModelSize& size = {});

// Writes the full-size large model to `path` unless a file is already there, and returns the path.
// The file is written under a temporary name first, so an interrupted run leaves no partial model.
const std::filesystem::path& ensure_large_model(const std::filesystem::path& path);

}  // namespace optb
