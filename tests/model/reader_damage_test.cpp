// Damaged and hostile files: every one loads without reading outside the file or writing outside a
// table, and each kind of damage is reported once in the listing box.
#include <fstream>
#include <iterator>

#include "model/bytes.h"
#include "model/load_warnings.h"
#include "tests/model/reader_fixture.h"

namespace opt::testing {
namespace {

using optb::Kind;

std::vector<uint8_t> ReadFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Poke(std::vector<uint8_t>& bytes, int64_t pos, int32_t value) {
    ASSERT_TRUE(write_at(std::span(bytes), pos, value));
}

TEST_F(ReaderTest, TheDemoModelTruncatedAtEveryByteLoads) {
    const auto demo = ReadFile(DEMO_MODEL_PATH);
    ASSERT_GT(demo.size(), 1000u);
    LoadBytesFresh(demo);
    ASSERT_TRUE(DamageLines().empty()) << DamageLines()[0];
    const int full_vertices = store->Counters[kCountVertices];
    for (size_t cut = 0; cut < demo.size(); ++cut) {
        const std::vector<uint8_t> part(demo.begin(), demo.begin() + static_cast<std::ptrdiff_t>(cut));
        LoadBytesFresh(part);
        EXPECT_LE(store->Counters[kCountVertices], full_vertices);
        ASSERT_FALSE(DamageLines().empty()) << "cut at " << cut;
        if (cut < 22) {
            ASSERT_EQ(DamageLines(),
                      std::vector<std::string>{
                          "Warning: the file is too short to hold its header; nothing was read"});
        }
    }
    // Fields that a short file does not reach keep their unset values; the warning names the cause.
    const std::vector<uint8_t> header_only(demo.begin(), demo.begin() + 22);
    LoadBytesFresh(header_only);
    EXPECT_EQ(store->tvx[0].X[0], kUnsetReal);
    EXPECT_EQ(DamageLines(), std::vector<std::string>{"Warning: the file is too short to hold its jump list; "
                                                      "the entries past its end were not read"});
}

TEST_F(ReaderTest, ShortReadsKeepUnsetValuesAndReplaceOnlyTheBytesRead) {
    optb::Model m;
    m.entries.push_back(optb::Mesh{.children = {optb::Vertices{.points = {{1, 2, 3}, {4, 5, 6}}}}});
    auto built = optb::build(m);
    const auto& v = built.layout.nth(Kind::Vertices);
    // Cut the file in the middle of the second vertex's Y.
    built.bytes.resize(static_cast<size_t>(v.data_pos + 12 + 6));
    LoadBytesFresh(built.bytes);
    EXPECT_FLOAT_EQ(store->tvx[0].X[1], 4.f);
    EXPECT_NE(store->tvx[0].Y[1], 5.f);  // only two of its bytes were read
    EXPECT_NE(store->tvx[0].Y[1], kUnsetReal);
    EXPECT_EQ(store->tvx[0].Z[1], kUnsetReal);
    EXPECT_TRUE(HasDamage("file ends inside a block"));
}

TEST_F(ReaderTest, CyclesAreNotFollowed) {
    optb::Model m;
    m.entries.push_back(optb::Mesh{
        .children = {optb::Node{.children = {optb::Ref{"self"}, optb::Vertices{.points = {{1, 1, 1}}}},
                                .label = "self"},
                     optb::Node{.children = {optb::Node{.children = {optb::Ref{"outer"}}}}, .label = "outer"},
                     optb::Node{.children = {optb::Ref{"mesh[0]"}}}}});
    LoadModel(m);
    EXPECT_EQ(store->Counters[kCountNodes], 4);
    EXPECT_EQ(store->Counters[kCountVertices], 1);
    EXPECT_TRUE(HasDamage("leads back into a block being read"));
    EXPECT_EQ(DamageLines().size(), 1u);
}

TEST_F(ReaderTest, SharedChildrenAreReadOncePerReferenceUntilTheTableIsFull) {
    // Twenty nodes that each list the next node twenty times: without capacity bounds this is 20^20 visits.
    optb::Model m;
    optb::Mesh mesh;
    std::vector<optb::MeshChild> chain;
    for (int n = 19; n >= 0; --n) {
        optb::Node node{.label = "n" + std::to_string(n)};
        for (int k = 0; k < 20; ++k)
            node.children.push_back(n == 19 ? optb::MeshChild{optb::Hardpoint{}}
                                            : optb::MeshChild{optb::Ref{"n" + std::to_string(n + 1)}});
        chain.push_back(node);
    }
    mesh.children = chain;  // all twenty nodes are children of the mesh too
    m.entries.push_back(mesh);
    // Grown tables would take thousands of records: the walk stops once the file's references are
    // followed more often than its size allows.
    const auto built = LoadModel(m);
    EXPECT_TRUE(HasDamage("lists its blocks more often than its size allows"));
    EXPECT_GT(store->Counters[kCountNodes], kMaxNodes);
    EXPECT_LE(store->Counters[kCountHardpoints] + store->Counters[kCountNodes],
              std::max<int64_t>(16384, int64_t(built.bytes.size()) / 4) + 20);
    UseClassicSizes();
    LoadModel(m);
    EXPECT_EQ(store->Counters[kCountNodes], kMaxNodes);
    EXPECT_EQ(store->Counters[kCountHardpoints], kMaxHardpoints);
    EXPECT_TRUE(HasDamage("node-block table holds 50 node blocks"));
    EXPECT_TRUE(HasDamage("hardpoint table holds 100 hardpoints"));
    EXPECT_EQ(store->Warnings.back(), kClassicCutHint);
    EXPECT_EQ(store->ttmih.Size(), kMaxNodes);
}

TEST_F(ReaderTest, CountsPastEveryCapacityAreCutWithOneWarningPerKind) {
    UseClassicSizes();
    optb::Model m;
    m.palettes.push_back(optb::PaletteBlock::ramp(0));
    std::vector<optb::Vec3> many(1005, optb::Vec3{1, 2, 3});
    std::vector<optb::Face> faces(55, optb::Face::tri(0, 1, 2));
    faces[52].normal = {9, 9, 9};
    optb::Mesh mesh{.children = {optb::Vertices{.points = many}, optb::Vertices{.points = many}}};
    optb::LodSet lods;
    for (int j = 0; j < 33; ++j) {
        lods.distances.push_back(float(j));
        lods.face_lists.push_back(
            optb::FaceList{.children = {optb::Texture{.name = "T"}, optb::FaceData{.faces = faces}}});
    }
    mesh.children.push_back(lods);
    for (int k = 0; k < 20; ++k) mesh.children.push_back(optb::Hardpoint{});
    m.entries.push_back(mesh);
    for (int i = 1; i < 53; ++i)
        m.entries.push_back(optb::Mesh{.children = {optb::Vertices{.points = {{float(i), 0, 0}}}}});
    LoadModel(m);
    EXPECT_EQ(store->txw.Num_Jumps, 53);  // kept as read
    EXPECT_EQ(store->Counters[kCountVertices], kMaxVertexBlocks);
    EXPECT_FLOAT_EQ(store->tvx[0].X[999], 1.f);
    EXPECT_EQ(store->ttmdh[0].Num_Jumps, 33);
    EXPECT_FLOAT_EQ(store->ttmdh[0].Distance[29], 29.f);
    EXPECT_EQ(store->Counters[kCountFaceLists], 30);
    EXPECT_EQ(store->ttfd[0].Count, 55);
    EXPECT_EQ(store->ttfd[0].Vertex(3)[49], -1);
    EXPECT_EQ(store->Counters[kCountHardpoints], 17);  // 23 children, 20 read
    EXPECT_EQ(store->txw.Meshes[0].Num_Jumps, 23);
    EXPECT_TRUE(HasDamage("more than 50 top-level entries"));
    EXPECT_TRUE(HasDamage("vertex-block table holds 50 vertex blocks"));
    EXPECT_TRUE(HasDamage("more elements than its table keeps"));
    EXPECT_TRUE(HasDamage("more entries than its table keeps"));
    const auto lines = DamageLines();
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const auto& l) { return l.find("elements") != std::string::npos; }),
              1);
}

TEST_F(ReaderTest, NormalsOfABigFaceBlockAreReadFromTheirTruePlace) {
    optb::Model m;
    m.palettes.push_back(optb::PaletteBlock::ramp(0));
    std::vector<optb::Face> faces(60, optb::Face::tri(0, 1, 2));
    faces[3].normal = {0, 0.5f, 0};
    faces[3].mapping[4] = 44.f;
    m.entries.push_back(
        optb::Mesh{.children = {optb::LodSet{
                       .distances = {1},
                       .face_lists = {optb::FaceList{
                           .children = {optb::Texture{.name = "T"}, optb::FaceData{.faces = faces}}}}}}});
    LoadModel(m);
    EXPECT_FLOAT_EQ(store->ttfd[0].Normal_J[3], 0.5f);
    EXPECT_FLOAT_EQ(store->ttfd[0].F[4][3], 44.f);
}

TEST_F(ReaderTest, ZeroEntriesOfListsWithoutAZeroTestAreSkipped) {
    optb::Model m;
    m.palettes.push_back(optb::PaletteBlock::ramp(0));
    m.entries.push_back(optb::Zero{});
    m.entries.push_back(optb::Mesh{
        .children = {optb::LodSet{
            .distances = {1, 2},
            .face_lists = {
                optb::Zero{},
                optb::FaceList{
                    .children = {optb::Zero{},
                                 optb::TextureGroup{.children = {optb::Zero{}, optb::Texture{.name = "G"}}},
                                 optb::FaceData{.faces = {optb::Face::tri(0, 1, 2)}}}}}}}});
    LoadModel(m);
    EXPECT_EQ(store->Counters[kCountFaceLists], 1);
    EXPECT_EQ(store->Lod_Numbers, (std::vector<int32_t>{1}));
    EXPECT_EQ(store->ttfd[0].Tex_Names[0], "G");
    EXPECT_EQ(store->ttfd[0].Mesh, 1);
    EXPECT_TRUE(HasDamage("0 entry"));
    EXPECT_EQ(DamageLines().size(), 1u);
}

TEST_F(ReaderTest, OffsetsOutsideTheFileAreNotFollowed) {
    optb::Model m;
    m.entries.push_back(optb::Stored{0x7FFFFFF0});
    m.entries.push_back(optb::Mesh{.children = {optb::Stored{-7}, optb::Hardpoint{.hp_type = 4}}});
    auto built = LoadModel(m);
    EXPECT_EQ(store->Counters[kCountHardpoints], 1);
    EXPECT_TRUE(HasDamage("outside the file"));
    // A payload offset past the end: the header is read, the payload keeps its unset values.
    Poke(built.bytes, built.layout.nth(Kind::Hardpoint).pos + optb::kDataOffsetField, 0x40000000);
    LoadBytesFresh(built.bytes);
    EXPECT_EQ(store->ttbh[0].Type, kHardpoint);
    EXPECT_EQ(store->ttbh[0].X, kUnsetReal);
    EXPECT_TRUE(HasDamage("outside the file"));
}

TEST_F(ReaderTest, NegativeCountsReadNothing) {
    optb::Model m;
    m.entries.push_back(optb::Mesh{
        .children = {optb::Vertices{.points = {{1, 1, 1}}, .header = {.count = -5}},
                     optb::Node{.children = {optb::Hardpoint{}}, .header = {.num_jumps = INT32_MIN}}}});
    m.num_jumps = 1;
    LoadModel(m);
    EXPECT_EQ(store->tvx[0].Count, -5);
    EXPECT_EQ(store->tvx[0].X[0], kUnsetReal);
    EXPECT_EQ(store->Counters[kCountHardpoints], 0);
    EXPECT_TRUE(HasDamage("negative count"));
    m.num_jumps = -1;
    LoadModel(m);
    EXPECT_EQ(store->Counters[kCountVertices], 0);
}

TEST_F(ReaderTest, ExtremeGlobalOffsetsDoNotOverflow) {
    for (int32_t global : {INT32_MIN, INT32_MAX, 0}) {
        auto bytes = optb::build(OneMeshModel()).bytes;
        Poke(bytes, optb::kFileGlobalOffsetPos, global);
        LoadBytesFresh(bytes);
        EXPECT_EQ(store->txw.Main_Offset, static_cast<int32_t>(static_cast<uint32_t>(global) - 8u));
    }
}

TEST_F(ReaderTest, TooManyPendingNamesAreDropped) {
    optb::TextureGroup group;
    for (int k = 0; k < 10; ++k) group.children.push_back(optb::Texture{.name = "N" + std::to_string(k)});
    optb::Model m;
    m.palettes.push_back(optb::PaletteBlock::ramp(0));
    m.entries.push_back(
        optb::Mesh{.children = {optb::LodSet{
                       .distances = {1},
                       .face_lists = {optb::FaceList{
                           .children = {group, optb::FaceData{.faces = {optb::Face::tri(0, 1, 2)}}}}}}}});
    LoadModel(m);
    EXPECT_EQ(store->ttfd[0].Tex_Names[6], "N6");
    EXPECT_EQ(store->Counters[kCountTextures], 10);
    EXPECT_TRUE(HasDamage("more than 7 texture names"));
}

}  // namespace
}  // namespace opt::testing
