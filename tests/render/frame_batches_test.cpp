// Grouping a frame's primitives into the runs that the batched replay draws with one array draw
// each: which neighbours join, and that the runs cover the frame in order.
#include "render/core/frame_batches.h"

#include <gtest/gtest.h>

#include <vector>

using namespace opt;

namespace {

constexpr Rgb kBlue{0.0f, 0.1f, 0.9f};
constexpr Rgb kPaleBlue{0.0f, 0.4f, 0.9f};

void AddColoured(Frame& f, PrimitiveKind kind, Rgb colour, int n, uint8_t pointSize = 0) {
    FrameVertex* v = f.AddColoured(kind, colour, pointSize, n);
    for (int k = 0; k < n; ++k) v[k] = FrameVertex{static_cast<float>(k), 0.0f, 0.0f};
}

void AddTextured(Frame& f, int32_t entry, int n) {
    TexCoord* uv = nullptr;
    FrameVertex* v = f.AddTextured(PrimitiveKind::Triangles, TextureBinding{entry, entry}, n, &uv);
    for (int k = 0; k < n; ++k) {
        v[k] = FrameVertex{0.0f, static_cast<float>(k), 0.0f};
        uv[k] = TexCoord{0.5f, 0.5f};
    }
}

// Each array run as (first primitive, first vertex, first texture coordinate, vertex count).
std::vector<std::vector<uint32_t>> Runs(const Frame& f) {
    FrameBatches batches;
    batches.Build(f, false);
    std::vector<std::vector<uint32_t>> out;
    for (const DrawBatch& b : batches.Batches()) out.push_back({b.FirstPrimitive, b.First, b.TexFirst, b.Count});
    return out;
}

using Expected = std::vector<std::vector<uint32_t>>;

}  // namespace

TEST(FrameBatches, NeighboursOfTheSameKindAndColourShareARun) {
    Frame f;
    for (int i = 0; i < 3; ++i) AddColoured(f, PrimitiveKind::Quads, kBlue, 4);
    AddColoured(f, PrimitiveKind::Triangles, kPaleBlue, 3);
    AddColoured(f, PrimitiveKind::Triangles, kPaleBlue, 3);
    AddColoured(f, PrimitiveKind::Quads, kBlue, 4);
    EXPECT_EQ(Runs(f), (Expected{{0, 0, 0, 12}, {3, 12, 0, 6}, {5, 18, 0, 4}}));
}

TEST(FrameBatches, AnyDifferenceInDrawStateStartsANewRun) {
    Frame f;
    AddColoured(f, PrimitiveKind::Quads, kBlue, 4);
    AddColoured(f, PrimitiveKind::Quads, kPaleBlue, 4);                   // colour
    AddColoured(f, PrimitiveKind::Triangles, kPaleBlue, 3);               // kind
    AddColoured(f, PrimitiveKind::Points, kBlue, 1, 6);                   // kind
    AddColoured(f, PrimitiveKind::Points, kBlue, 1, 7);                   // point size
    AddColoured(f, PrimitiveKind::Points, kBlue, 1, 0);                   // no point size
    AddTextured(f, 2, 3);                                                 // textured
    AddTextured(f, 3, 3);                                                 // texture
    AddColoured(f, PrimitiveKind::Triangles, Rgb{0.0f, 0.0f, 0.0f}, 3);  // untextured, the same black
    EXPECT_EQ(Runs(f).size(), f.Primitives().size());
}

TEST(FrameBatches, TexturedRunsCarryTheirFirstTextureCoordinate) {
    Frame f;
    AddColoured(f, PrimitiveKind::Lines, kBlue, 2);
    AddTextured(f, 1, 3);
    AddTextured(f, 1, 3);
    AddColoured(f, PrimitiveKind::Lines, kBlue, 2);
    AddTextured(f, 4, 3);
    EXPECT_EQ(Runs(f), (Expected{{0, 0, 0, 2}, {1, 2, 0, 6}, {3, 8, 0, 2}, {4, 10, 6, 3}}));
}

TEST(FrameBatches, APrimitiveWithSpareVerticesEndsItsRun) {
    // GL drops the third vertex of a two-point line: the line after it must not pair with it.
    Frame f;
    AddColoured(f, PrimitiveKind::Lines, kBlue, 2);
    AddColoured(f, PrimitiveKind::Lines, kBlue, 3);
    AddColoured(f, PrimitiveKind::Lines, kBlue, 2);
    AddColoured(f, PrimitiveKind::Lines, kBlue, 2);
    EXPECT_EQ(Runs(f), (Expected{{0, 0, 0, 5}, {2, 5, 0, 4}}));
}

TEST(FrameBatches, RebuildingForASmallerFrameDropsTheOldRuns) {
    Frame f;
    for (int i = 0; i < 4; ++i) AddColoured(f, PrimitiveKind::Quads, i % 2 ? kBlue : kPaleBlue, 4);
    FrameBatches batches;
    batches.Build(f, false);
    EXPECT_EQ(batches.Batches().size(), 4u);
    batches.Build(f, true);
    EXPECT_EQ(batches.Indices().size(), 32u);
    f.Clear();
    batches.Build(f, true);
    EXPECT_TRUE(batches.Batches().empty());
    EXPECT_TRUE(batches.Indices().empty());
    AddColoured(f, PrimitiveKind::Points, kBlue, 1, 5);
    batches.Build(f, false);
    ASSERT_EQ(batches.Batches().size(), 1u);
    EXPECT_EQ(batches.Batches()[0].Count, 1u);
}

TEST(FrameBatches, OutlinesJoinLinesAndPolygonsOfAnyColourIntoLinesAlongTheirSides) {
    Frame f;
    AddColoured(f, PrimitiveKind::Quads, kBlue, 4);          // vertices 0..3
    AddColoured(f, PrimitiveKind::Triangles, kPaleBlue, 3);  // 4..6
    AddColoured(f, PrimitiveKind::Lines, kBlue, 3);          // 7..9: one line, the spare dropped
    AddColoured(f, PrimitiveKind::Points, kBlue, 1, 6);      // 10: a point stays a point
    AddColoured(f, PrimitiveKind::Quads, kPaleBlue, 8);      // 11..18: two quads
    FrameBatches batches;
    batches.Build(f, true);
    const auto runs = batches.Batches();
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_TRUE(runs[0].Outlines());
    EXPECT_EQ((std::vector<uint32_t>{runs[0].FirstPrimitive, runs[0].LastPrimitive, runs[0].First, runs[0].Count}),
              (std::vector<uint32_t>{0, 2, 0, 10}));
    EXPECT_FALSE(runs[1].Outlines());
    EXPECT_EQ(runs[1].First, 10u);
    EXPECT_EQ(runs[2].IndexFirst, runs[0].IndexCount);
    // A quad's four sides (no diagonal), a triangle's three, each in vertex order; then the line.
    const auto ends = batches.Indices();
    const std::vector<uint32_t> first(ends.begin(), ends.begin() + runs[0].IndexCount);
    EXPECT_EQ(first, (std::vector<uint32_t>{0, 1, 1, 2, 2, 3, 3, 0, 4, 5, 5, 6, 6, 4, 7, 8}));
    EXPECT_EQ(runs[2].IndexCount, 16u);
    EXPECT_EQ(ends[runs[2].IndexFirst + 8], 15u);  // the second quad starts at its own vertex
    // Every vertex carries its primitive's colour.
    EXPECT_EQ(batches.Colours()[3], kBlue);
    EXPECT_EQ(batches.Colours()[5], kPaleBlue);
    EXPECT_EQ(batches.Colours()[18], kPaleBlue);
}

TEST(FrameBatches, TheReplayWayFollowsTheFrameSizeUnlessForced) {
    EXPECT_FALSE(ReplaysInBatches(ReplayPath::Auto, kBatchedReplayMinPrimitives - 1));
    EXPECT_TRUE(ReplaysInBatches(ReplayPath::Auto, kBatchedReplayMinPrimitives));
    EXPECT_TRUE(ReplaysInBatches(ReplayPath::Batched, 1));
    EXPECT_FALSE(ReplaysInBatches(ReplayPath::PerPrimitive, kBatchedReplayMinPrimitives));
}
