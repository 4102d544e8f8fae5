// Hit zones: the SBHZ click computes them from each mesh's own level-0 faces, then redraws.
#include "edit_fixture.h"

namespace edit_test {
namespace {

using optb::Face;

void ExpectTriple(const float* v, float x, float y, float z, const char* what) {
    EXPECT_EQ(v[0], x) << what;
    EXPECT_EQ(v[1], y) << what;
    EXPECT_EQ(v[2], z) << what;
}

optb::Model TriangleModel() {
    using namespace optb;
    Model m;
    m.entries.push_back(Mesh{.children = {
                                 Vertices{.points = {{0, 0, 0}, {2, 0, 0}, {0, 4, -6}}},
                                 Descriptor{.hz_min = {7, 7, 7}},
                                 LodSet{.distances = {1000.f}, .face_lists = {Faces({Face::tri(0, 1, 2)})}},
                             }});
    return m;
}

class HitZones : public EditFixture {};

TEST_F(HitZones, TriangleGivesTheBoxAroundItsThreeVertices) {
    Open(TriangleModel());
    edit.SBHZClick();
    const opt::DescriptorRecord& d = store->tcb[0];
    ExpectTriple(d.HZ_Min, 0, 0, -6, "HZ_Min");
    ExpectTriple(d.HZ_Max, 2, 4, 0, "HZ_Max");
    ExpectTriple(d.HZ_Span, 2, 4, 6, "HZ_Span");
    ExpectTriple(d.HZ_Centre, 1, 2, -3, "HZ_Centre");
    EXPECT_EQ(host.messages, std::vector<std::string>{
                                 " Make sure you have a copy of file before writing there is no "
                                 "undo feature for hitzones\nFile > Revert Last Write undoes a write."});
    EXPECT_TRUE(selection.DisplayMode.IsDown(opt::SBShoHZ));
    EXPECT_EQ(host.resBoxText, "0");
    EXPECT_TRUE(edit.Widgets().SBHZWrite);
    EXPECT_FALSE(edit.Widgets().RP);
    EXPECT_TRUE(edit.HitZonesComputed());
    // One redraw, after the computation: the view shows the computed boxes.
    EXPECT_EQ(host.redraws, 1);
    EXPECT_EQ(host.minXAtRedraw, std::vector<float>{0});
}

TEST_F(HitZones, EachMeshGetsTheBoxOfItsOwnLevelZeroFaces) {
    Open(TwoMeshModel());
    selection.Resolution = "1";  // the click computes at resolution 0 whatever was chosen
    edit.SBHZClick();
    ExpectTriple(store->tcb[0].HZ_Min, 0, 0, -6, "mesh 0 min");
    ExpectTriple(store->tcb[0].HZ_Max, 2, 4, 0, "mesh 0 max: the LOD 1 face does not count");
    ExpectTriple(store->tcb[1].HZ_Min, -5, 10, 10, "mesh 1 min: all four quad vertices");
    ExpectTriple(store->tcb[1].HZ_Max, 11, 14, 13, "mesh 1 max");
    ExpectTriple(store->tcb[1].HZ_Centre, 3, 12, 11.5f, "mesh 1 centre");
}

TEST_F(HitZones, AllResDrawsEveryLevelButTheBoxStaysAtLevelZero) {
    Open(TwoMeshModel());
    selection.AllRes = true;
    edit.SBHZClick();
    ExpectTriple(store->tcb[0].HZ_Max, 2, 4, 0, "the LOD 1 vertex does not count");
}

TEST_F(HitZones, ATopLevelTextureShiftsNothingAndTheFirstFaceDataRecordCounts) {
    using namespace optb;
    Model m;
    m.palettes.push_back(PaletteBlock::ramp(0));
    m.entries.push_back(Texture{.name = "TOP", .width = 1, .height = 1, .pixels = {1}});
    m.entries.push_back(Mesh{.children = {
                                 Vertices{.points = {{-100, -100, -100}, {1, 1, 1}, {2, 3, 4}, {0, 0, 0}}},
                                 Descriptor{},
                                 LodSet{
                                     .distances = {1.f},
                                     .face_lists = {FaceList{.children =
                                                                 {
                                                                     TextureRef{.name = "A"},
                                                                     FaceData{.faces = {Face::tri(0, 1, 2)}},
                                                                     TextureRef{.name = "B"},
                                                                     FaceData{.faces = {Face::tri(1, 2, 3)}},
                                                                 }}}},
                             }});
    m.entries.push_back(Mesh{.children = {
                                 Vertices{.points = {{5, 6, 7}, {8, 9, 10}, {5, 9, 7}}},
                                 Descriptor{},
                                 LodSet{.distances = {1.f}, .face_lists = {Faces({Face::tri(0, 1, 2)})}},
                             }});
    Open(m);
    ASSERT_EQ(store->Top_Textures, 1);
    edit.SBHZClick();
    // Each mesh's descriptor gets the box of all its level-0 faces, read from its own vertices.
    ExpectTriple(store->tcb[0].HZ_Min, -100, -100, -100, "first mesh min");
    ExpectTriple(store->tcb[0].HZ_Max, 2, 3, 4, "first mesh max");
    ExpectTriple(store->tcb[1].HZ_Min, 5, 6, 7, "last mesh min");
    ExpectTriple(store->tcb[1].HZ_Max, 8, 9, 10, "last mesh max");
    EXPECT_EQ(edit.MeshesWithoutBox(), "");
}

TEST_F(HitZones, FourthIndexMinusOneAndIndicesOutsideTheBlockAreLeftOut) {
    using namespace optb;
    Model m;
    Face wild = Face::quad(1000, 1234, -7, 3);  // only vertex 3 is inside the block
    m.entries.push_back(
        Mesh{.children = {
                 Vertices{.points = {{0, 0, 0}, {2, 2, 2}, {0, 0, 0}, {50, 50, 50}, {-9, -9, -9}}},
                 Descriptor{},
                 LodSet{.distances = {1.f}, .face_lists = {Faces({Face::tri(0, 1, 2), wild})}},
             }});
    m.entries.push_back(Mesh{.children = {
                                 Vertices{.points = {{7, 7, 7}}},
                                 Descriptor{.hz_min = {3, 3, 3}},
                                 LodSet{.distances = {1.f}, .face_lists = {Faces({Face::tri(-1, 5, 1)})}},
                             }});
    Open(m);
    ASSERT_EQ(store->ttfd[0].Vertex(3)[0], -1);  // the triangle's fourth index: not vertex 4
    EXPECT_EQ(opt::ComputeHitZones(*store), std::vector<int>{1});
    ExpectTriple(store->tcb[0].HZ_Min, 0, 0, 0, "min");
    ExpectTriple(store->tcb[0].HZ_Max, 50, 50, 50, "max");
    // No vertex of mesh 1's face lies in its block: its descriptor keeps what it holds.
    ExpectTriple(store->tcb[1].HZ_Min, 3, 3, 3, "kept");
}

TEST_F(HitZones, WithoutAModelNothingIsComputedYetTheWriteButtonShows) {
    Open(TriangleModel());
    selection.ModelLoaded = false;
    edit.SBHZClick();
    ExpectTriple(store->tcb[0].HZ_Min, 7, 7, 7, "unchanged");
    EXPECT_TRUE(edit.Widgets().SBHZWrite);
    EXPECT_TRUE(edit.HitZonesComputed());
}

}  // namespace
}  // namespace edit_test
