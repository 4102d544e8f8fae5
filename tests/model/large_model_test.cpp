// The large benchmark model's generator at a size that fits the classic capacities: what it writes
// loads without a warning and holds every mesh, level, face, texture and hardpoint it was asked for.
#include "tests/support/large_model.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "tests/model/reader_fixture.h"

namespace opt::testing {
namespace {

// 4 meshes of 12 x 9 vertices; level 0 needs two face-data blocks of at most 50 faces, and the 8
// level-0 blocks outnumber the 6 textures, so the last two refer to textures of earlier meshes.
constexpr optb::LargeModelSize kSmall{.meshes = 4,
                                      .grid_w = 12,
                                      .grid_h = 9,
                                      .faces_per_block = kMaxFaces,
                                      .textures = 6,
                                      .texture_size = 16,
                                      .palette_blocks = 3,
                                      .hardpoints_per_mesh = 2};

class LargeModelGenerator : public ReaderTest {};

TEST_F(LargeModelGenerator, ScaledDownModelLoadsWholeWithoutWarnings) {
    LoadModel(optb::large_model(kSmall));
    EXPECT_TRUE(store->Warnings.empty()) << store->Warnings.front();
    EXPECT_EQ(store->Lod_Numbers, (std::vector<int32_t>{0, 1, 2}));
    EXPECT_EQ(store->Texture_List.size(), static_cast<size_t>(kSmall.textures));

    const int vertices = kSmall.grid_w * kSmall.grid_h;
    for (int m = 0; m < kSmall.meshes; ++m) {
        EXPECT_EQ(store->tvx[m].Count, vertices) << "mesh " << m;
        EXPECT_EQ(store->ttvx[m].Count, vertices) << "mesh " << m;
        EXPECT_EQ(store->ttvn[m].Count, vertices) << "mesh " << m;
    }
    EXPECT_EQ(store->tvx[kSmall.meshes].Count, 0);

    std::array<int64_t, optb::kLargeLods> faces{};
    int blocks = 0;
    for (int i = 0; i < kMaxFaceData; ++i) {
        const FaceDataRecord& fd = store->ttfd[i];
        if (fd.Count <= 0) continue;
        ASSERT_LE(fd.Count, kMaxFaces);
        ASSERT_TRUE(fd.LOD >= 0 && fd.LOD < optb::kLargeLods) << fd.LOD;
        faces[static_cast<size_t>(fd.LOD)] += fd.Count;
        EXPECT_FALSE(fd.Tex_Names[0].empty()) << "block " << i << " names no texture";
        ++blocks;
    }
    int expected_blocks = 0;
    for (int lod = 0; lod < optb::kLargeLods; ++lod) {
        EXPECT_EQ(faces[static_cast<size_t>(lod)], kSmall.meshes * optb::large_model_faces(kSmall, lod))
            << "level " << lod;
        expected_blocks += kSmall.meshes * optb::large_model_blocks(kSmall, lod);
    }
    EXPECT_EQ(blocks, expected_blocks);

    const int hardpoints = kSmall.meshes * kSmall.hardpoints_per_mesh;
    EXPECT_EQ(store->ttbh[hardpoints - 1].Type, kHardpoint);
    EXPECT_NE(store->ttbh[hardpoints].Type, kHardpoint);
}

}  // namespace
}  // namespace opt::testing
