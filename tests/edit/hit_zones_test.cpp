// Hit zones computed during a redraw with SBHZ down, through the same hook the view uses.
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
    EXPECT_EQ(host.messages,
              std::vector<std::string>{" Make sure you have a copy of file before writing there is no "
                                       "undo feature for hitzones"});
    EXPECT_TRUE(selection.DisplayMode.IsDown(opt::SBShoHZ));
    EXPECT_EQ(host.resBoxText, "0");
    EXPECT_TRUE(edit.Widgets().SBHZWrite);
    EXPECT_FALSE(edit.Widgets().RP);
    EXPECT_TRUE(edit.HitZonesComputed());
    EXPECT_EQ(edit.HitZones().Current_HZ(), nullptr);  // freed at the end of the pass
}

TEST_F(HitZones, EachMeshIsClosedByTheFirstFaceOfTheNext) {
    Open(TwoMeshModel());
    selection.Resolution = "1";  // the click computes at resolution 0 whatever was chosen
    edit.SBHZClick();
    ExpectTriple(store->tcb[0].HZ_Min, 0, 0, -6, "mesh 0 min");
    ExpectTriple(store->tcb[0].HZ_Max, 2, 4, 0, "mesh 0 max: the LOD 1 face does not count");
    ExpectTriple(store->tcb[1].HZ_Min, -5, 10, 10, "mesh 1 min: all four quad vertices");
    ExpectTriple(store->tcb[1].HZ_Max, 11, 14, 13, "mesh 1 max");
    ExpectTriple(store->tcb[1].HZ_Centre, 3, 12, 11.5f, "mesh 1 centre");
}

TEST_F(HitZones, AllResCountsTheFacesOfEveryLevel) {
    Open(TwoMeshModel());
    selection.AllRes = true;
    edit.SBHZClick();
    ExpectTriple(store->tcb[0].HZ_Max, 9, 9, 9, "the LOD 1 vertex counts");
}

TEST_F(HitZones, TopLevelTextureShiftsMeshNumbersAndSkipsFaceDataEntryZero) {
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
    // Face-data entry 0 (with the -100 vertex) is not drawn; mesh 1's box is closed into entry 0.
    ExpectTriple(store->tcb[0].HZ_Min, 0, 0, 0, "first mesh min");
    ExpectTriple(store->tcb[0].HZ_Max, 2, 3, 4, "first mesh max");
    // The last mesh's box lands in its own entry.
    ExpectTriple(store->tcb[1].HZ_Min, 5, 6, 7, "last mesh min");
    ExpectTriple(store->tcb[1].HZ_Max, 8, 9, 10, "last mesh max");
}

TEST(HitZoneAccumulation, FourthIndexMinusOneAndIndicesOutsideTheBlockAreLeftOut) {
    auto store = std::make_unique<opt::ModelStore>();
    opt::VertexRecord& v = store->tvx[0];
    const float xs[] = {0, 2, 0, 50};
    for (int i = 0; i < 4; ++i) v.X[i] = v.Y[i] = v.Z[i] = xs[i];
    opt::HitZoneComputation hz(*store);
    hz.Begin();
    opt::CurFace tri{};
    tri.fill(0);
    tri[0] = 0, tri[1] = 1, tri[2] = 2, tri[3] = -1;  // a face drawn as a quad whose Vertex_3 is -1
    hz.FaceHZ(0, tri, false, 0);
    EXPECT_EQ(hz.Current_HZ()->Max_X, 2);
    opt::CurFace wild = tri;
    wild[0] = 1000, wild[1] = 1234, wild[2] = -7, wild[3] = 3;
    hz.FaceHZ(0, wild, false, 0);  // only vertex 3 is inside the block
    EXPECT_EQ(hz.Current_HZ()->Max_X, 50);
    EXPECT_EQ(hz.Current_HZ()->Min_X, 0);
    // A mesh change stores the box into the entry of the mesh its faces came from, and starts a new
    // box; the end of the pass stores the last one into its own entry.
    hz.FaceHZ(1, tri, true, 1);
    EXPECT_EQ(store->tcb[0].HZ_Max[0], 50);
    hz.Finish(std::nullopt);
    EXPECT_EQ(store->tcb[1].HZ_Max[0], store->tvx[1].X[1]);
    EXPECT_EQ(hz.Current_HZ(), nullptr);
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
