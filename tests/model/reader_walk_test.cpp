// The walk of well-formed files: offsets, tables in reading order, LODs, nodes, top-level textures,
// second loads.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <tuple>

#include "model/errors.h"
#include "model/load_warnings.h"
#include "tests/model/reader_fixture.h"

namespace opt::testing {
namespace {

using optb::Kind;

TEST_F(ReaderTest, StoredOffsetsBecomePositionsForAnyGlobalOffset) {
    for (int32_t global : {8, 1000, -5000}) {
        SCOPED_TRACE(global);
        auto built = LoadModel(OneMeshModel(global));
        const auto& lay = built.layout;
        EXPECT_EQ(store->txw.Main_Offset, global - 8);
        EXPECT_EQ(store->txw.Num_Jumps, 1);
        EXPECT_EQ(store->txw.Jump_List_Offset, lay.jump_list_pos);
        EXPECT_EQ(store->txw.Jumps[0], lay.nth(Kind::Mesh).pos);
        // The mesh keeps its Data_Offset as stored but its child list as a position.
        EXPECT_EQ(store->txw.Meshes[0].Jump_List_Offset, lay.nth(Kind::Mesh).jump_list_pos);
        EXPECT_EQ(store->txw.Meshes[0].Jumps[0], lay.nth(Kind::Vertices).pos);
        EXPECT_EQ(store->tvx[0].Data_Offset, lay.nth(Kind::Vertices).data_pos);
        EXPECT_EQ(store->tvx[0].Count, 4);
        EXPECT_FLOAT_EQ(store->tvx[0].X[1], 10.f);
        EXPECT_FLOAT_EQ(store->tvx[0].Y[2], 10.f);
        EXPECT_EQ(store->tvx[0].X[4], kUnsetReal);  // past Count
        EXPECT_EQ(store->ttfd[0].Data_Offset, lay.nth(Kind::FaceData).data_pos);
        EXPECT_EQ(store->ttx.Textures[0].Lead, lay.nth(Kind::Texture).name_pos);
        EXPECT_TRUE(DamageLines().empty());
    }
}

TEST_F(ReaderTest, RecordsCarryTheirTopLevelIndexAndPayloads) {
    optb::Model m;
    m.palettes.push_back(optb::PaletteBlock::ramp(0));
    m.entries.push_back(SquareMesh("A"));
    m.entries.push_back(optb::Mesh{.children = {
                                       optb::Hardpoint{.hp_type = 7, .pos = {1.5f, -2.f, 3.f}},
                                       optb::RotScale{.centre = {4, 5, 6}},
                                       optb::Descriptor{.mesh_type = 6,
                                                        .n2 = -3,
                                                        .hz_span = {1, 2, 3},
                                                        .hz_centre = {4, 5, 6},
                                                        .hz_min = {-1, -2, -3},
                                                        .hz_max = {7, 8, 9},
                                                        .group_id = 12,
                                                        .target = {0.5f, 0.25f, 0.125f}},
                                   }});
    auto built = LoadModel(m);
    const auto& hp = store->ttbh[0];
    EXPECT_EQ(hp.Mesh, 1);
    EXPECT_EQ(hp.Type, kHardpoint);
    EXPECT_EQ(hp.HP_Type, 7);
    EXPECT_FLOAT_EQ(hp.X, 1.5f);
    EXPECT_FLOAT_EQ(hp.Y, -2.f);
    EXPECT_EQ(hp.Data_Offset, built.layout.nth(Kind::Hardpoint).pos + 24);
    const auto& rs = store->trsh[0];
    EXPECT_EQ(rs.Mesh, 1);
    EXPECT_FLOAT_EQ(rs.Centre[2], 6.f);
    EXPECT_FLOAT_EQ(rs.Scale_1[0], 1.f);
    EXPECT_FLOAT_EQ(rs.Scale_3[2], 1.f);
    const auto& d = store->tcb[0];
    EXPECT_EQ(d.Type, kMeshDescriptor);
    EXPECT_EQ(d.Mesh, 1);
    EXPECT_EQ(d.Mesh_Type, 6);
    EXPECT_EQ(d.N2, -3);
    EXPECT_FLOAT_EQ(d.HZ_Max[1], 8.f);
    EXPECT_EQ(d.Group_ID, 12);
    EXPECT_FLOAT_EQ(d.Target[2], 0.125f);
    EXPECT_EQ(d.Data_Offset, built.layout.nth(Kind::Descriptor).pos + 24);
    EXPECT_EQ(store->tcb[1].Type, 0);
    EXPECT_EQ(store->tvx[0].Mesh, 0);
    EXPECT_EQ(store->ttfd[0].Mesh, 0);
    EXPECT_EQ(store->Counters[kCountHardpoints], 1);
}

TEST_F(ReaderTest, EmptyTopLevelLoadsNothing) {
    optb::Model m;
    LoadModel(m);
    EXPECT_EQ(store->txw.Num_Jumps, 0);
    EXPECT_TRUE(store->Warnings.empty());
    EXPECT_TRUE(store->Lod_Numbers.empty());
    EXPECT_TRUE(store->Texture_List.empty());
    EXPECT_EQ(store->ttfd[0].Mesh, kUnsetFaceMesh);
    EXPECT_EQ(store->ttx.Texture_Index[0], kUnsetIndex);
}

TEST_F(ReaderTest, TopLevelTexturesWarnAndShiftMeshIndices) {
    optb::Model m;
    m.palettes.push_back(optb::PaletteBlock::ramp(0));
    m.entries.push_back(optb::Texture{.name = "T0", .width = 1, .height = 1, .pixels = {1}});
    m.entries.push_back(optb::Texture{.name = "T1", .width = 1, .height = 1, .pixels = {2}});
    m.entries.push_back(SquareMesh("A"));
    LoadModel(m);
    EXPECT_EQ(store->Warnings, (std::vector<std::string>{"Warning ***", "HiLites may Not be Correct",
                                                         "Warning ***", "HiLites may Not be Correct"}));
    EXPECT_EQ(CountWarnings(store->Warnings), 2);  // each texture's two lines are one warning
    EXPECT_EQ(store->Top_Textures, 1);
    EXPECT_EQ(TextureName(store->ttx.Textures[0]), "T0");
    EXPECT_EQ(TextureName(store->ttx.Textures[1]), "T1");
    EXPECT_EQ(store->tvx[0].Mesh, 2);
    EXPECT_EQ(store->ttfd[0].Mesh, 2);
    // A replaces T0 among the pending names; T1 stays behind it.
    EXPECT_EQ(store->ttfd[0].Tex_Names[0], "A");
    EXPECT_EQ(store->ttfd[0].Tex_Names[1], "T1");
    EXPECT_EQ(store->ttfd[0].Tex_Names[2], "");
}

TEST_F(ReaderTest, LodNumbersAboveThreeCountAsThreeAndAreListedOnce) {
    optb::LodSet five{.distances = {1, 2, 3, 4, 5}};
    for (int j = 0; j < 5; ++j)
        five.face_lists.push_back(
            optb::FaceList{.children = {optb::Texture{.name = "L" + std::to_string(j)},
                                        optb::FaceData{.faces = {optb::Face::tri(0, 1, 2)}}}});
    optb::Model m;
    m.palettes.push_back(optb::PaletteBlock::ramp(0));
    m.entries.push_back(optb::Mesh{.children = {five}});
    m.entries.push_back(optb::Mesh{.children = {five}});
    LoadModel(m);
    EXPECT_EQ(store->Lod_Numbers, (std::vector<int32_t>{0, 1, 2, 3}));
    const int expected_lod[] = {0, 1, 2, 3, 3, 0, 1, 2, 3, 3};
    for (int i = 0; i < 10; ++i) EXPECT_EQ(store->ttfd[i].LOD, expected_lod[i]) << i;
    // Beside the view's level, each record keeps its face list's own position in the set.
    for (int i = 0; i < 10; ++i) EXPECT_EQ(store->ttfd[i].Lod_Position, i % 5) << i;
    EXPECT_EQ(store->Counters[kCountFaceLists], 10);
    EXPECT_EQ(store->ttmdh[1].Mesh, 1);
    EXPECT_FLOAT_EQ(store->ttmdh[1].Distance[4], 5.f);
}

TEST_F(ReaderTest, DistanceSummaryTakesTheLastSetOfEachSize) {
    auto lod_mesh = [](std::vector<float> d) {
        optb::LodSet s{.distances = d};
        for (size_t j = 0; j < d.size(); ++j) s.face_lists.push_back(optb::FaceList{});
        return optb::Mesh{.children = {s}};
    };
    optb::Model m;
    m.entries.push_back(lod_mesh({10, 20}));
    m.entries.push_back(lod_mesh({30, 40}));
    LoadModel(m);
    EXPECT_FLOAT_EQ(store->Dist_2, 40.f);
    EXPECT_EQ(store->Dist_1, kUnsetReal);
    EXPECT_EQ(store->Dist_3, kUnsetReal);
    m.entries.push_back(lod_mesh({7}));
    m.entries.push_back(lod_mesh({1, 2, 3}));
    LoadModel(m);
    EXPECT_FLOAT_EQ(store->Dist_1, 7.f);
    EXPECT_FLOAT_EQ(store->Dist_3, 3.f);
}

TEST_F(ReaderTest, NestedNodesTakeRecordsOuterFirstAndKeepReadingAfterTheInner) {
    optb::Model m;
    m.entries.push_back(
        optb::Mesh{.children = {optb::Node{
                       .children = {optb::Node{.children = {optb::Vertices{.points = {{1, 1, 1}}}}},
                                    optb::Vertices{.points = {{2, 2, 2}}}, optb::Hardpoint{.hp_type = 3}}}}});
    auto built = LoadModel(m);
    EXPECT_EQ(store->Counters[kCountNodes], 2);
    EXPECT_EQ(store->ttmih[0].Num_Jumps, 3);  // the outer node
    EXPECT_EQ(store->ttmih[1].Num_Jumps, 1);
    EXPECT_EQ(store->ttmih[0].Jumps[0], built.layout.nth(Kind::Node, 1).pos);
    EXPECT_FLOAT_EQ(store->tvx[0].X[0], 1.f);  // inner node's block is met first
    EXPECT_FLOAT_EQ(store->tvx[1].X[0], 2.f);
    EXPECT_EQ(store->ttbh[0].HP_Type, 3);
}

TEST_F(ReaderTest, MeshAndNodeZeroEntriesMeanNoChildAndAreNotDamage) {
    optb::Model m;
    m.entries.push_back(
        optb::Mesh{.children = {optb::Zero{}, optb::Node{.children = {optb::Zero{}}}, optb::Hardpoint{}}});
    LoadModel(m);
    EXPECT_EQ(store->txw.Meshes[0].Jumps[0], 0);
    EXPECT_EQ(store->Counters[kCountNodes], 1);
    EXPECT_EQ(store->Counters[kCountHardpoints], 1);
    EXPECT_TRUE(DamageLines().empty());
}

TEST_F(ReaderTest, UnknownKindsAreSkippedWithTheirSubtree) {
    optb::Model m;
    m.entries.push_back(
        optb::Mesh{.children = {optb::RawBlock{.type = 99}, optb::Vertices{.points = {{5, 5, 5}}}}});
    m.entries.push_back(optb::RawBlock{.type = 42});  // a top-level entry that is no texture is a mesh
    LoadModel(m);
    EXPECT_EQ(store->Counters[kCountVertices], 1);
    EXPECT_EQ(store->txw.Meshes[1].Type, 42);
    EXPECT_TRUE(DamageLines().empty());
}

TEST_F(ReaderTest, SecondLoadOfASmallerModelLeavesNothingOfTheFirst) {
    auto big = OneMeshModel();
    big.entries.push_back(
        optb::Mesh{.children = {optb::Hardpoint{.hp_type = 9}, optb::Descriptor{.mesh_type = 2}}});
    LoadModel(big);
    ASSERT_EQ(store->ttbh[0].HP_Type, 9);
    optb::Model small;
    small.entries.push_back(optb::Mesh{.children = {optb::Vertices{.points = {{3, 3, 3}}}}});
    LoadModel(small);
    EXPECT_EQ(store->ttbh[0].Type, 0);
    EXPECT_EQ(store->ttbh[0].X, kUnsetReal);
    EXPECT_EQ(store->tcb[0].Type, 0);
    EXPECT_EQ(store->tvx[0].X[1], kUnsetReal);
    EXPECT_EQ(store->ttfd[0].Mesh, kUnsetFaceMesh);
    EXPECT_EQ(store->ttfd[0].Indices[0][0], kUnsetIndex);
    EXPECT_EQ(store->ttx.Textures[0].Name, UnsetName());
    EXPECT_TRUE(store->ttx.Unique_Names[0].empty());
    EXPECT_EQ(store->Unique_Count, 0);
    EXPECT_EQ(store->Palette_Slots[0], 0);
    EXPECT_EQ(store->Dist_1, kUnsetReal);
}

TEST_F(ReaderTest, LoadingTheSameFileTwiceGivesTheSameTablesAndLists) {
    const auto bytes = optb::build(OneMeshModel()).bytes;
    LoadBytesFresh(bytes);
    const auto first_lists = std::make_tuple(store->Warnings, store->Lod_Numbers, store->Texture_List);
    auto first = std::make_unique<ModelStore>();
    // Compare records field by field through a second store loaded the same way.
    LoadBytes(*first, bytes);
    LoadBytesFresh(bytes);
    EXPECT_EQ(first_lists, std::make_tuple(store->Warnings, store->Lod_Numbers, store->Texture_List));
    EXPECT_EQ(first_lists, std::make_tuple(first->Warnings, first->Lod_Numbers, first->Texture_List));
    const auto& va = first->tvx[0];
    const auto& vb = store->tvx[0];
    EXPECT_EQ(std::tie(va.Lead, va.Type, va.Count, va.Data_Offset, va.Mesh, va.X, va.Y, va.Z),
              std::tie(vb.Lead, vb.Type, vb.Count, vb.Data_Offset, vb.Mesh, vb.X, vb.Y, vb.Z));
    const auto& a = first->ttx.Textures[0];
    const auto& b = store->ttx.Textures[0];  // (compared field by field: the record has padding)
    EXPECT_EQ(
        std::tie(a.Lead, a.Data_Offset, a.Name, a.Palette_Offset, a.Size, a.Width, a.Height, a.Palette_Set),
        std::tie(b.Lead, b.Data_Offset, b.Name, b.Palette_Offset, b.Size, b.Width, b.Height, b.Palette_Set));
    EXPECT_EQ(first->Palettes, store->Palettes);
    EXPECT_EQ(first->ttfd[0].Tex_Names[0], store->ttfd[0].Tex_Names[0]);
}

TEST_F(ReaderTest, AFileThatCannotBeOpenedNamesItsPathAfterClearingTheTables) {
    LoadModel(OneMeshModel());
    ASSERT_NE(store->tvx[0].Type, 0);
    const std::string path =
        (std::filesystem::temp_directory_path() / "no_such_dir" / "missing.opt").string();
    try {
        Load(*store, path);
        FAIL() << "no error";
    } catch (const OptError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file " + path);
    }
    EXPECT_EQ(store->tvx[0].Type, 0);
    EXPECT_THROW(Load(*store, std::filesystem::temp_directory_path().string()), OptError);
}

TEST_F(ReaderTest, LoadsFromDiskLikeFromMemory) {
    const auto built = optb::build(OneMeshModel());
    const auto path = std::filesystem::temp_directory_path() / "zedaruz_reader_disk.opt";
    optb::write_file(path, built.bytes);
    Load(*store, path.string());
    std::filesystem::remove(path);
    EXPECT_EQ(store->tvx[0].Count, 4);
    EXPECT_EQ(store->Texture_List, std::vector<std::string>{"SKIN"});
    EXPECT_EQ(store->Lod_Numbers, (std::vector<int32_t>{0}));
}

}  // namespace
}  // namespace opt::testing
