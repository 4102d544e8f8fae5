// The overlays of each display mode: what they draw, in which colours and order, and the selections
// that lie outside their tables.
#include <gtest/gtest.h>

#include "frame_test_support.h"

namespace frame_test {
namespace {

class Overlay : public FrameTest {
protected:
    // The primitives after the main pass's `faces` primitives.
    std::vector<Drawn> OverlayOf(opt::ModeButton mode, size_t faces) {
        selection.DisplayMode.PutDown(mode);
        auto drawn = Draw();
        EXPECT_GE(drawn.size(), faces);
        return {drawn.begin() + static_cast<std::ptrdiff_t>(std::min(faces, drawn.size())), drawn.end()};
    }
    void Hardpoint(int k, int32_t dataOffset, FrameVertex at) {
        store->ttbh[k].Data_Offset = dataOffset;
        store->ttbh[k].X = at.x;
        store->ttbh[k].Y = at.y;
        store->ttbh[k].Z = at.z;
    }
};

TEST_F(Overlay, SelectedMeshAtTheChosenLevelInRedAfterTheFaces) {
    AddQuad(0, 0, 0, 0, {0, 1, 2, 3});
    AddQuad(1, 0, 1, 0, {1, 2, 3, 4});
    AddTri(1, 1, 1, 0, {5, 6, 7});
    AddTri(2, 0, 1, 1, {8, 9, 10});  // mesh 1 at another level
    selection.SelectedMesh = 1;
    auto over = OverlayOf(opt::SBMESH, 3);
    ASSERT_EQ(over.size(), 2u);
    EXPECT_EQ(over[0].kind, PrimitiveKind::Quads);
    EXPECT_EQ(over[0].colour, kRed);
    EXPECT_EQ(over[0].vertices, Corners(1, {1, 2, 3, 4}));
    EXPECT_EQ(over[1].kind, PrimitiveKind::Triangles);
    EXPECT_EQ(over[1].colour, (Rgb{1.0f, 0.0f, 0.5f}));
}

TEST_F(Overlay, SelectedMeshScanStopsAtTheFirstEmptyEntry) {
    AddTri(0, 0, 1, 0, {0, 1, 2});
    AddTri(2, 0, 1, 0, {3, 4, 5});  // after the empty entry 1: drawn by the pass, not highlighted
    store->ttfd[3] = store->ttfd[0];
    selection.SelectedMesh = 1;
    EXPECT_EQ(OverlayOf(opt::SBMESH, 3).size(), 1u);

    store->ttfd[1] = store->ttfd[0];
    store->ttfd[1].Count = -1;  // a negative count is stepped over, not a stop
    EXPECT_EQ(OverlayOf(opt::SBMESH, 3).size(), 3u);

    store->txw.Meshes[0].Num_Jumps = 0;  // first top-level entry without children: entry 0 not scanned
    EXPECT_EQ(OverlayOf(opt::SBMESH, 3).size(), 2u);
}

TEST_F(Overlay, SelectedFaceDataAtEveryLevelAsksForTheFaceSummary) {
    AddQuad(0, 0, 0, 0, {0, 1, 2, 3});
    AddQuad(1, 0, 2, 3, {4, 5, 6, 7});
    AddTri(1, 1, 2, 3, {8, 9, 10});
    selection.SelectedFaceData = 1;
    auto over = OverlayOf(opt::SBFace, 1);
    ASSERT_EQ(over.size(), 2u);
    EXPECT_EQ(over[0].colour, kRed);
    EXPECT_EQ(over[0].vertices, Corners(2, {4, 5, 6, 7}));
    EXPECT_EQ(over[1].colour, (Rgb{1.0f, 0.0f, 0.4f}));
    EXPECT_TRUE(frame.WriteFaceInfo);
    EXPECT_FALSE(frame.WriteVertexInfo);

    for (int32_t bad : {-1, 200, 1234}) {
        selection.SelectedFaceData = bad;
        EXPECT_TRUE(OverlayOf(opt::SBFace, 1).empty());
        EXPECT_FALSE(frame.WriteFaceInfo);
    }
}

TEST_F(Overlay, SelectedVertexIgnoresTheShiftAndTheLevel) {
    store->Top_Textures = 1;
    selection.Resolution = "2";
    selection.SelectedMesh = 3;
    selection.SelectedVertex = 7;
    auto over = OverlayOf(opt::SBVx, 0);
    ASSERT_EQ(over.size(), 1u);
    EXPECT_EQ(over[0].kind, PrimitiveKind::Points);
    EXPECT_EQ(over[0].pointSize, 2.0f);
    EXPECT_EQ(over[0].colour, kRed);
    EXPECT_EQ(over[0].vertices, Corners(3, {7}));
    EXPECT_TRUE(frame.WriteVertexInfo);

    for (auto [mesh, vertex] : {std::pair{50, 0}, {-1, 0}, {0, 1000}, {0, -1}}) {
        selection.SelectedMesh = mesh;
        selection.SelectedVertex = vertex;
        EXPECT_TRUE(OverlayOf(opt::SBVx, 0).empty());
        EXPECT_FALSE(frame.WriteVertexInfo);
    }
}

TEST_F(Overlay, HardpointsShowLoadedSlotsAndTheEditedOneInRed) {
    Hardpoint(0, 500, {1, 2, 3});
    Hardpoint(4, 0, {4, 5, 6});  // not loaded
    Hardpoint(99, 900, {7, 8, 9});
    auto all = OverlayOf(opt::SBSHoHP, 0);
    ASSERT_EQ(all.size(), 2u);
    for (const Drawn& d : all) {
        EXPECT_EQ(d.kind, PrimitiveKind::Points);
        EXPECT_EQ(d.pointSize, 2.0f);
        EXPECT_EQ(d.colour, (Rgb{0.5f, 0.9f, 0.5f}));
    }
    EXPECT_EQ(all[1].vertices, (std::vector<FrameVertex>{{7, 8, 9}}));

    selection.Edit_Index = 4;  // shown although its Data_Offset is 0
    auto edited = OverlayOf(opt::SBHP, 0);
    ASSERT_EQ(edited.size(), 1u);
    EXPECT_EQ(edited[0].colour, kRed);
    EXPECT_EQ(edited[0].pointSize, 2.0f);
    EXPECT_EQ(edited[0].vertices, (std::vector<FrameVertex>{{4, 5, 6}}));

    for (int32_t bad : {-1, 100}) {
        selection.Edit_Index = bad;
        EXPECT_TRUE(OverlayOf(opt::SBHP, 0).empty());
    }
}

TEST_F(Overlay, HitZoneBoxIsCentreDiagonalAndFourSides) {
    opt::DescriptorRecord& d = store->tcb[2];
    d.Data_Offset = 300;
    d.HZ_Centre[0] = 5, d.HZ_Centre[1] = 6, d.HZ_Centre[2] = 7;
    d.HZ_Min[0] = 1, d.HZ_Min[1] = 2, d.HZ_Min[2] = 3;
    d.HZ_Max[0] = 10, d.HZ_Max[1] = 20, d.HZ_Max[2] = 30;
    store->tcb[3].HZ_Max[0] = 99;  // not loaded: no box
    auto over = OverlayOf(opt::SBShoHZ, 0);
    ASSERT_EQ(over.size(), 6u);
    EXPECT_EQ(over[0].kind, PrimitiveKind::Points);
    EXPECT_EQ(over[0].pointSize, 3.0f);
    EXPECT_EQ(over[0].colour, kRed);
    EXPECT_EQ(over[0].vertices, (std::vector<FrameVertex>{{5, 6, 7}}));
    EXPECT_EQ(over[1].kind, PrimitiveKind::Lines);
    EXPECT_EQ(over[1].colour, (Rgb{0.3f, 0.8f, 0.2f}));
    EXPECT_EQ(over[1].vertices, (std::vector<FrameVertex>{{1, 2, 3}, {10, 20, 30}}));
    const std::vector<std::vector<FrameVertex>> sides = {
        {{1, 2, 3}, {10, 2, 3}, {10, 20, 3}, {1, 20, 3}},
        {{1, 2, 30}, {10, 2, 30}, {10, 20, 30}, {1, 20, 30}},
        {{1, 2, 30}, {1, 20, 30}, {1, 20, 3}, {1, 2, 3}},
        {{10, 20, 30}, {10, 2, 30}, {10, 2, 3}, {10, 20, 3}},
    };
    for (size_t k = 0; k < sides.size(); ++k) {
        EXPECT_EQ(over[2 + k].kind, PrimitiveKind::Quads);
        EXPECT_EQ(over[2 + k].colour, (Rgb{0.8f, 0.8f, 0.5f}));
        EXPECT_EQ(over[2 + k].vertices, sides[k]) << "side " << k;
    }
}

TEST_F(Overlay, TargetSquareCentreDependsOnTheMeshType) {
    opt::DescriptorRecord& d = store->tcb[7];  // not loaded: shown all the same
    d.HZ_Centre[0] = 1, d.HZ_Centre[1] = 2, d.HZ_Centre[2] = 3;
    d.Target[0] = -10, d.Target[1] = -20, d.Target[2] = -30;
    selection.Edit_Index = 7;
    const auto square = [](float x, float y, float z) {
        return std::vector<FrameVertex>{
            {x + 200, y + 200, z}, {x + 200, y - 200, z}, {x - 200, y - 200, z}, {x - 200, y + 200, z}};
    };
    for (int32_t type : {5, 8, 10, 21, 23, 25}) {
        d.Mesh_Type = type;
        auto over = OverlayOf(opt::SBHZED, 0);
        ASSERT_EQ(over.size(), 1u);
        EXPECT_EQ(over[0].vertices, square(1, 2, 3)) << "type " << type;
    }
    for (int32_t type : {0, 1, 6, 22, 24}) {
        d.Mesh_Type = type;
        auto over = OverlayOf(opt::SBHZED, 0);
        ASSERT_EQ(over.size(), 1u);
        EXPECT_EQ(over[0].kind, PrimitiveKind::Quads);
        EXPECT_EQ(over[0].colour, (Rgb{0.8f, 0.8f, 0.5f}));
        EXPECT_EQ(over[0].vertices, square(-10, -20, -30)) << "type " << type;
    }
    selection.Edit_Index = 50;
    EXPECT_TRUE(OverlayOf(opt::SBHZED, 0).empty());
}

TEST_F(Overlay, CentresOfRotationScaleBlocks) {
    store->trsh[0].Type = opt::kRotScale;
    store->trsh[0].Centre[1] = 8;
    store->trsh[1].Type = opt::kMeshDescriptor;  // another kind: not a rotation/scale block
    store->trsh[49].Type = opt::kRotScale;
    auto over = OverlayOf(opt::SBShoCenters, 0);
    ASSERT_EQ(over.size(), 2u);
    EXPECT_EQ(over[0].pointSize, 4.0f);
    EXPECT_EQ(over[0].colour, kRed);
    EXPECT_EQ(over[0].vertices, (std::vector<FrameVertex>{{0, 8, 0}}));
}

TEST_F(Overlay, EachModeDrawsOnlyItsOwnOverlay) {
    AddTri(0, 0, 0, 0, {0, 1, 2});
    Hardpoint(0, 500, {1, 2, 3});
    store->tcb[0].Data_Offset = 100;
    store->trsh[0].Type = opt::kRotScale;
    // Faces of mesh 0 would light up under SBMESH and SBFace; every other mode draws its own kind.
    const std::pair<opt::ModeButton, size_t> counts[] = {
        {opt::SBMESH, 1},        {opt::SBFace, 1}, {opt::SBVx, 1},  {opt::SBSHoHP, 1},      {opt::SBHP, 1},
        {opt::SBShoHZ, 6},       {opt::SBHZED, 1}, {opt::SBRes, 0}, {opt::SBShoCenters, 1}, {opt::SBRSH, 0},
        {opt::SBCopyCenters, 0}, {opt::SBWire, 0}, {opt::SBHZ, 0},
    };
    for (auto [mode, n] : counts) {
        EXPECT_EQ(OverlayOf(mode, 1).size(), n) << opt::ModeButtonName(mode);
    }
}

}  // namespace
}  // namespace frame_test
