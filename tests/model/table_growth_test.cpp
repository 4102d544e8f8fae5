// Tables that grow past the classic capacities: a model just past every one of them loads whole, a
// model that fits them loads into tables of exactly the classic sizes in both modes, and a damaged
// count can neither make the load allocate more than the file could hold nor go unreported.
#include <string>
#include <vector>

#include "listings/registry.h"
#include "model/line_sink.h"
#include "model/load_warnings.h"
#include "render/core/frame.h"
#include "render/core/frame_builder.h"
#include "state/selection_state.h"
#include "tests/model/reader_fixture.h"
#include "tests/support/sample_models.h"

namespace opt::testing {
namespace {

std::vector<optb::Vec3> Points(int n, float z) {
    std::vector<optb::Vec3> p;
    for (int i = 0; i < n; ++i) p.push_back({float(i), float(i % 7), z});
    return p;
}

// One past each classic capacity: 51 meshes (each with a descriptor, a rotation/scale block, a
// vertex block and two LOD sets: 102 LOD sets), a first mesh of 1001 vertices, texture vertices and
// normals with 86 children, a node of 21 children, 51 nodes, 101 hardpoints, 60 face lists of
// [texture, face data] x 4 (240 face-data blocks, 240 textures with 240 names in 9 palette blocks),
// then [group{texture reference}, face data] x 151 (151 groups and references), and a face-data
// block of 51 faces.
optb::Model PastEveryCapacity() {
    optb::Model m;
    for (int p = 0; p < 9; ++p) m.palettes.push_back(optb::PaletteBlock::ramp(p));
    optb::Mesh first;
    first.children.push_back(optb::Vertices{.points = Points(1001, 0)});
    first.children.push_back(optb::TexVertices{.coords = std::vector<optb::Vec2>(1001, {0.5f, 0.25f})});
    first.children.push_back(optb::Normals{.normals = std::vector<optb::Vec3>(1001, {0, 0, 1})});
    std::vector<optb::FaceList> lists;
    int texture = 0;
    for (int l = 0; l < 60; ++l) {
        optb::FaceList list;
        for (int k = 0; k < 4; ++k, ++texture) {
            list.children.push_back(optb::Texture{.name = "T" + std::to_string(texture),
                                                  .palette = texture % 9,
                                                  .width = 2,
                                                  .height = 2,
                                                  .pixels = {1, 2, 3, 4}});
            list.children.push_back(optb::FaceData{.faces = {optb::Face::tri(0, 1000, 2)}});
        }
        lists.push_back(list);
    }
    for (int g = 0; g < 151; g += 15) {
        optb::FaceList list;
        for (int k = g; k < std::min(g + 15, 151); ++k) {
            list.children.push_back(optb::TextureGroup{.children = {optb::TextureRef{.name = "T1"}}});
            list.children.push_back(optb::FaceData{.faces = {optb::Face::tri(0, 1, 2)}});
        }
        lists.push_back(list);
    }
    lists.back().children.push_back(
        optb::Texture{.name = "BIG", .width = 2, .height = 2, .pixels = {1, 2, 3, 4}});
    lists.back().children.push_back(
        optb::FaceData{.faces = std::vector<optb::Face>(51, optb::Face::quad(0, 1, 2, 3))});
    for (size_t start = 0; start < lists.size(); start += 30) {
        optb::LodSet set;
        for (size_t l = start; l < std::min(start + 30, lists.size()); ++l) {
            set.distances.push_back(float(l));
            set.face_lists.push_back(lists[l]);
        }
        first.children.push_back(set);
    }
    optb::Node node;
    for (int h = 0; h < 21; ++h) node.children.push_back(optb::Hardpoint{.pos = {float(h), 0, 0}});
    first.children.push_back(node);
    for (int h = 21; h < 101; ++h) first.children.push_back(optb::Hardpoint{.pos = {float(h), 0, 0}});
    m.entries.push_back(first);
    for (int i = 1; i < 51; ++i) {
        optb::Mesh mesh{.children = {optb::Vertices{.points = Points(3, float(i))}, optb::Descriptor{},
                                     optb::RotScale{}, optb::Node{}}};
        for (int s = 0; s < 2; ++s)
            mesh.children.push_back(optb::LodSet{.distances = {1}, .face_lists = {optb::FaceList{}}});
        m.entries.push_back(mesh);
    }
    std::get<optb::Mesh>(m.entries.front()).children.push_back(optb::Descriptor{});
    std::get<optb::Mesh>(m.entries.front()).children.push_back(optb::RotScale{});
    return m;
}

TEST_F(ReaderTest, AModelJustPastEveryClassicCapacityLoadsWholeAndTheNextClassicFileShrinksThem) {
    const optb::Model m = PastEveryCapacity();
    LoadModel(m);
    EXPECT_TRUE(DamageLines().empty()) << DamageLines().front();
    EXPECT_EQ(store->txw.Size(), 51);
    EXPECT_EQ(store->txw.Meshes[0].Num_Jumps, 89);
    EXPECT_EQ(store->tvx[0].Elements(), 1001);
    EXPECT_FLOAT_EQ(store->tvx[0].X[1000], 1000.f);
    EXPECT_FLOAT_EQ(store->ttvx[0].V[1000], 0.25f);
    EXPECT_FLOAT_EQ(store->ttvn[0].Z[1000], 1.f);
    const std::pair<Counter, int> past[] = {
        {kCountVertices, 51},       {kCountTexVertices, 1},   {kCountNormals, 1},      {kCountNodes, 51},
        {kCountLodSets, 103},       {kCountFaceLists, 171},   {kCountFaceData, 392},   {kCountTextures, 241},
        {kCountTextureGroups, 151}, {kCountTextureRefs, 151}, {kCountHardpoints, 101}, {kCountRotScale, 51},
        {kCountDescriptors, 51}};
    for (const auto& [counter, want] : past) EXPECT_EQ(store->Counters[counter], want) << counter;
    EXPECT_EQ(store->Unique_Count, 241);
    EXPECT_EQ(store->Palette_Slots.size(), 9u);
    EXPECT_EQ(store->ttx.Textures[8].Palette_Set, 8);
    EXPECT_EQ(store->ttfd[391].Count, 51);
    EXPECT_EQ(store->ttfd[391].Faces(), 51);
    EXPECT_EQ(store->ttfd[391].Vertex(3)[50], 3);
    EXPECT_EQ(store->ttmih[0].Jumps.size(), 21u);

    // The same file with the classic sizes is cut, says so, and says how to read it whole.
    UseClassicSizes();
    LoadModel(m);
    EXPECT_EQ(store->txw.Size(), kMaxTopLevel);
    EXPECT_EQ(store->ttfd.Size(), kMaxFaceData);
    EXPECT_EQ(store->tvx[0].Elements(), kMaxElements);
    EXPECT_TRUE(HasDamage("face-list table holds 50 face lists"));
    EXPECT_TRUE(HasDamage("more than 8 palette blocks"));
    EXPECT_EQ(store->Warnings.back(), kClassicCutHint);

    // A grown load followed by a file that fits: the tables are back to exactly the classic sizes.
    store->Limits = TableLimits::Grown();
    LoadModel(m);
    LoadModel(optb::demo_model());
    EXPECT_EQ(store->txw.Size(), kMaxTopLevel);
    EXPECT_EQ(store->ttfd.Size(), kMaxFaceData);
    EXPECT_EQ(store->ttx.Unique_Names.size(), size_t{kMaxUniqueNames});
    EXPECT_EQ(store->Palettes.size(), size_t{kPalettes});
    for (const auto& block : store->tvx.Entries) EXPECT_EQ(block.Elements(), kMaxElements);
    for (const auto& fd : store->ttfd.Entries) EXPECT_EQ(fd.Faces(), kMaxFaces);
}

// Every listing and the frame of a file that fits the classic capacities.
struct Picture {
    std::vector<std::vector<std::string>> listings;
    std::vector<FrameVertex> corners;
    size_t primitives = 0;
    friend bool operator==(const Picture&, const Picture&) = default;
};

TEST_F(ReaderTest, AFileThatFitsTheClassicSizesListsAndDrawsTheSameInBothModes) {
    for (const optb::Model& model : {optb::demo_model(), optb::maxcap_model()}) {
        Picture pictures[2];
        for (int mode = 0; mode < 2; ++mode) {
            store->Limits = mode == 0 ? TableLimits::ClassicSizes() : TableLimits::Grown();
            LoadModel(model);
            EXPECT_TRUE(DamageLines().empty());
            for (const ListingEntry& entry : Listings()) {
                VectorSink out;
                entry.run(*store, out);
                pictures[mode].listings.push_back(out.lines);
            }
            SelectionState sel;
            sel.ModelLoaded = true;
            sel.AllRes = true;
            Frame frame;
            DrawModel(*store, sel, frame);
            pictures[mode].primitives = frame.Primitives().size();
            for (const Primitive& p : frame.Primitives())
                for (const FrameVertex& v : frame.Vertices(p)) pictures[mode].corners.push_back(v);
            EXPECT_EQ(store->ttfd.Size(), kMaxFaceData);
            EXPECT_EQ(store->ttx.Textures.Size(), kMaxTextures);
        }
        EXPECT_GT(pictures[0].primitives, 0u);
        EXPECT_TRUE(pictures[0] == pictures[1]);
    }
}

TEST_F(ReaderTest, AHugeDamagedCountIsCutToTheFileAndTheLimitAndReported) {
    optb::Model m;
    m.palettes.push_back(optb::PaletteBlock::ramp(0));
    m.entries.push_back(optb::Mesh{
        .children = {optb::Vertices{.points = Points(3, 0), .header = {.count = 2'000'000'000}},
                     optb::LodSet{.distances = {1},
                                  .face_lists = {optb::FaceList{
                                      .children = {optb::Texture{.name = "T"},
                                                   optb::FaceData{.faces = {optb::Face::tri(0, 1, 2)},
                                                                  .header = {.count = 60'000}}}}}}}});
    m.num_jumps = 2'000'000'000;
    const auto built = LoadModel(m);
    // Counts stay as read, for the listings; the slots stop at what the file's bytes could hold.
    EXPECT_EQ(store->tvx[0].Count, 2'000'000'000);
    EXPECT_EQ(store->ttfd[0].Count, 60'000);
    EXPECT_LE(store->tvx[0].Elements(), std::max<int64_t>(kMaxElements, int64_t(built.bytes.size()) / 12));
    EXPECT_LE(store->ttfd[0].Faces(), std::max<int64_t>(kMaxFaces, int64_t(built.bytes.size()) / 100));
    EXPECT_LE(store->txw.Size(), TableLimits::Grown().Top_Level);
    EXPECT_FLOAT_EQ(store->tvx[0].X[2], 2.f);
    EXPECT_TRUE(HasDamage("more elements than its table keeps (65536 per vertex"));
    EXPECT_TRUE(HasDamage("more than 1024 top-level entries"));
    EXPECT_TRUE(HasDamage("the file ends inside a block"));
}

TEST_F(ReaderTest, AFaceOfAGrownBlockWhoseFirstIndexIs1234IsAFace) {
    std::vector<optb::Face> faces = {optb::Face::tri(1234, 1, 2), optb::Face::tri(0, 1234, 2)};
    optb::Model m;
    m.palettes.push_back(optb::PaletteBlock::ramp(0));
    m.entries.push_back(optb::Mesh{
        .children = {
            optb::Vertices{.points = Points(1300, 0)},
            optb::LodSet{.distances = {1},
                         .face_lists = {optb::FaceList{
                             .children = {optb::Texture{.name = "T"}, optb::FaceData{.faces = faces}}}}}}});
    LoadModel(m);
    SelectionState sel;
    sel.ModelLoaded = true;
    Frame frame;
    DrawModel(*store, sel, frame);
    // The main pass draws both faces (the selected-mesh overlay draws them again).
    ASSERT_GE(frame.Primitives().size(), 2u);
    EXPECT_EQ(frame.Primitives()[1].Kind, PrimitiveKind::Triangles);
    EXPECT_FLOAT_EQ(frame.Vertices(frame.Primitives()[0])[0].x, 1234.f);
}

}  // namespace
}  // namespace opt::testing
