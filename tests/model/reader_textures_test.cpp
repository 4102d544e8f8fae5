// Textures, pending names, unique names and palette slots.
#include <cstring>

#include "tests/model/reader_fixture.h"

namespace opt::testing {
namespace {

using optb::Kind;

optb::Texture Tex(const std::string& name, int palette = 0) {
    return optb::Texture{.name = name, .palette = palette, .width = 2, .height = 1, .pixels = {0, 1}};
}
optb::FaceData Tri() { return optb::FaceData{.faces = {optb::Face::tri(0, 1, 2)}}; }

optb::Model FaceListModel(std::vector<optb::FaceListChild> children, int palettes = 1) {
    optb::Model m;
    for (int p = 0; p < palettes; ++p) m.palettes.push_back(optb::PaletteBlock::ramp(p));
    m.entries.push_back(optb::Mesh{
        .children = {optb::LodSet{.distances = {1}, .face_lists = {optb::FaceList{.children = children}}}}});
    return m;
}

TEST_F(ReaderTest, FaceDataTakesTheNamesReadBeforeItInItsFaceList) {
    LoadModel(FaceListModel({Tex("A"), Tri()}));
    EXPECT_EQ(store->ttfd[0].Tex_Names[0], "A");
    for (int t = 1; t < 7; ++t) EXPECT_EQ(store->ttfd[0].Tex_Names[t], "");
    EXPECT_EQ(store->Counters[kCountFaceData], 1);
    EXPECT_EQ(store->ttmfh[0].Child_Type[0], kTexture);
    EXPECT_EQ(store->ttmfh[0].Child_Type[1], kFaceData);
}

TEST_F(ReaderTest, PendingCountRestartsAtEachChildSoOnlyTheLastTextureCounts) {
    LoadModel(FaceListModel({Tex("A"), Tex("B"), Tri()}));
    EXPECT_EQ(store->ttfd[0].Tex_Names[0], "B");
    EXPECT_EQ(store->ttfd[0].Tex_Names[1], "");
    EXPECT_EQ(store->Texture_List, (std::vector<std::string>{"A", "B"}));
}

TEST_F(ReaderTest, AGroupContributesOneNamePerChildInOrder) {
    LoadModel(FaceListModel(
        {optb::TextureGroup{.children = {Tex("A"), optb::TextureRef{.name = "REFNAME12"}, Tex("B")}},
         Tri()}));
    EXPECT_EQ(store->ttfd[0].Tex_Names[0], "A");
    EXPECT_EQ(store->ttfd[0].Tex_Names[1], "REFNAME12");  // a reference's name has all nine bytes
    EXPECT_EQ(store->ttfd[0].Tex_Names[2], "B");
    EXPECT_EQ(store->Counters[kCountTextureGroups], 1);
    EXPECT_EQ(store->Counters[kCountTextureRefs], 1);
    EXPECT_EQ(store->ttmfh[0].Child_Type[0], kTextureGroup);
}

TEST_F(ReaderTest, FaceDataWithoutAnythingBeforeItIsOverwrittenByTheNext) {
    optb::Model m = FaceListModel({optb::FaceData{.faces = {optb::Face::tri(0, 1, 2)}}});
    auto& lod = std::get<optb::LodSet>(std::get<optb::Mesh>(m.entries[0]).children[0]);
    lod.distances.push_back(2);
    lod.face_lists.push_back(
        optb::FaceList{.children = {optb::TextureRef{.name = "R"},
                                    optb::FaceData{.faces = {optb::Face::quad(4, 5, 6, 7)}}}});
    LoadModel(m);
    EXPECT_EQ(store->Counters[kCountFaceData], 1);
    EXPECT_EQ(store->ttfd[0].Vertex(0)[0], 4);
    EXPECT_EQ(store->ttfd[0].LOD, 1);
    EXPECT_EQ(store->ttfd[0].Tex_Names[0], "R");
    EXPECT_EQ(store->ttfd[1].Mesh, kUnsetFaceMesh);
}

TEST_F(ReaderTest, AReusedFaceDataRecordShowsOnlyTheBlockThatFilledItLast) {
    // Three triangles with nothing pending, then one quad after a texture: the quad takes the same
    // record, with its own flags, and the two triangles it does not cover are gone.
    optb::Model m = FaceListModel({optb::FaceData{
        .faces = {optb::Face::tri(0, 1, 2), optb::Face::tri(0, 1, 2), optb::Face::tri(0, 1, 2)}}});
    auto& lod = std::get<optb::LodSet>(std::get<optb::Mesh>(m.entries[0]).children[0]);
    lod.distances.push_back(2);
    lod.face_lists.push_back(
        optb::FaceList{.children = {Tex("X"), optb::FaceData{.faces = {optb::Face::quad(4, 5, 6, 7)}}}});
    const auto built = LoadModel(m);
    const auto& d = store->ttfd[0];
    EXPECT_EQ(d.Count, 1);
    for (int g = 0; g < 4; ++g) EXPECT_EQ(d.Quad[g][0], 1);
    EXPECT_EQ(d.Vertex(3)[0], 7);
    EXPECT_EQ(d.Vertex(0)[1], kUnsetIndex);
    EXPECT_EQ(d.Normal_I[2], kUnsetReal);
    // The replaced block is named once, with its file position.
    const auto first = std::to_string(built.layout.nth(Kind::FaceData, 0).pos);
    EXPECT_TRUE(
        HasDamage("1 face-data block (at position " + first +
                  ") has no texture before it; the next face-data block takes its place, so the view, "
                  "the listings and the exports skip its faces"));
}

TEST_F(ReaderTest, FaceDataAfterTexturesThatFoundNoRoomStillTakesItsOwnRecord) {
    UseClassicSizes();
    // A first LOD set of five face lists with 30 textures each fills the texture table; the textures
    // of the face list after it find no room.
    optb::Model m = FaceListModel({Tex("X"), Tri(), Tex("Y"), Tri(), Tex("Z"),
                                   optb::FaceData{.faces = {optb::Face::quad(0, 1, 2, 3)}}});
    optb::LodSet full;
    for (int l = 0; l < 5; ++l) {
        full.distances.push_back(float(l));
        optb::FaceList list;
        for (int t = 0; t < kMaxLods; ++t) list.children.push_back(Tex("T" + std::to_string(30 * l + t)));
        full.face_lists.push_back(list);
    }
    auto& children = std::get<optb::Mesh>(m.entries[0]).children;
    children.insert(children.begin(), full);
    LoadModel(m);
    EXPECT_EQ(store->Counters[kCountFaceData], 3);
    EXPECT_EQ(store->ttfd[2].Vertex(3)[0], 3);
    EXPECT_TRUE(HasDamage("texture table holds 150 textures"));
    EXPECT_FALSE(HasDamage("no texture before"));
}

TEST_F(ReaderTest, TrianglesAreJudgedGroupByGroup) {
    optb::Face mixed = optb::Face::quad(0, 1, 2, 3);
    mixed.edge[3] = -1;
    mixed.vx_normal[3] = -1;
    LoadModel(FaceListModel({Tex("A"), optb::FaceData{.faces = {mixed, optb::Face::tri(0, 1, 2)}}}));
    const auto& d = store->ttfd[0];
    EXPECT_EQ(d.Count, 2);
    EXPECT_EQ(d.Quad[kGroupVertex][0], 1);
    EXPECT_EQ(d.Quad[kGroupEdge][0], 0);
    EXPECT_EQ(d.Quad[kGroupTexVertex][0], 1);
    EXPECT_EQ(d.Quad[kGroupVxNormal][0], 0);
    for (int g = 0; g < 4; ++g) EXPECT_EQ(d.Quad[g][1], 0);
    EXPECT_EQ(d.Vertex(3)[1], -1);
    EXPECT_EQ(d.Vertex(2)[1], 2);
    EXPECT_EQ(d.Vertex(0)[2], kUnsetIndex);
    EXPECT_EQ(d.Quad[kGroupVertex][2], 1);  // unread slots keep the cleared flag
}

TEST_F(ReaderTest, FaceNormalsAndMappingFloatsFollowTheFaceRecords) {
    optb::Face a = optb::Face::tri(0, 1, 2);
    a.normal = {0.25f, 0.5f, -1};
    a.mapping = {1, 2, 3, 4, 5, 6};
    optb::Face b = optb::Face::quad(0, 1, 2, 3);
    b.mapping = {-1, -2, -3, -4, -5, -6};
    LoadModel(FaceListModel({Tex("A"), optb::FaceData{.faces = {a, b}, .edges = 77}}));
    const auto& d = store->ttfd[0];
    EXPECT_EQ(d.Edges, 77);
    EXPECT_FLOAT_EQ(d.Normal_J[0], 0.5f);
    EXPECT_FLOAT_EQ(d.Normal_K[0], -1.f);
    EXPECT_FLOAT_EQ(d.F[5][0], 6.f);
    EXPECT_FLOAT_EQ(d.F[0][1], -1.f);
    EXPECT_EQ(d.F[0][2], kUnsetReal);
}

TEST_F(ReaderTest, UniqueNamesHoldEachNameOnceWithItsFirstTexture) {
    LoadModel(FaceListModel({Tex("A"), Tri(), Tex("B"), Tri(), Tex("A"), Tri()}));
    EXPECT_EQ(store->Unique_Count, 2);
    EXPECT_EQ(store->ttx.Unique_Names[0], "A");
    EXPECT_EQ(store->ttx.Texture_Index[0], 0);
    EXPECT_EQ(store->ttx.Unique_Names[1], "B");
    EXPECT_EQ(store->ttx.Texture_Index[1], 1);
    EXPECT_EQ(store->ttx.Texture_Index[2], kUnsetIndex);
    EXPECT_EQ(store->Texture_List, (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(store->Counters[kCountTextures], 3);
}

TEST_F(ReaderTest, TheNinthNameByteIsNotPartOfATextureName) {
    LoadModel(FaceListModel({Tex("ABCDEFGHI"), Tri()}));
    EXPECT_EQ(TextureName(store->ttx.Textures[0]), "ABCDEFGH");
    EXPECT_EQ(store->ttx.Textures[0].Name[8], 'I');
    EXPECT_EQ(store->ttfd[0].Tex_Names[0], "ABCDEFGH");
}

TEST_F(ReaderTest, TextureDescriptorWordsAreRead) {
    optb::Texture t{.name = "W",
                    .width = 3,
                    .height = 2,
                    .pixels = {1, 2, 3, 4, 5, 6},
                    .tex_spare_1 = 11,
                    .tex_spare_2 = 22};
    auto built = LoadModel(FaceListModel({t, Tri()}));
    const auto& x = store->ttx.Textures[0];
    EXPECT_EQ(x.Type, kTexture);
    EXPECT_EQ(x.Width, 3);
    EXPECT_EQ(x.Height, 2);
    EXPECT_EQ(x.Size, 6);
    EXPECT_EQ(x.Tex_Spare_1, 11);
    EXPECT_EQ(x.Tex_Spare_2, 22);
    EXPECT_EQ(x.Palette_Offset, built.layout.nth(Kind::Palette).pos);
    EXPECT_EQ(x.Data_Offset + 24, built.layout.nth(Kind::Texture).data_pos);
}

TEST_F(ReaderTest, PaletteEntriesExpandFromRgb565) {
    optb::Model m = FaceListModel({Tex("A"), Tri()});
    auto& colours = m.palettes[0].colours;
    colours.assign(16 * 256, 0);
    colours[0] = 0xFFFF;
    colours[1] = 0xF800;               // pure red
    colours[2] = 0x07E0;               // pure green
    colours[3 * 256 + 5] = 0x001F;     // palette 3, entry 5: pure blue
    colours[15 * 256 + 255] = 0x8410;  // 10000 100000 10000
    LoadModel(m);
    const auto& p = store->Palettes;
    EXPECT_EQ(p[0][0][0], 248);
    EXPECT_EQ(p[0][1][0], 252);
    EXPECT_EQ(p[0][2][0], 248);
    EXPECT_EQ(p[0][0][1], 248);
    EXPECT_EQ(p[0][1][1], 0);
    EXPECT_EQ(p[0][1][2], 252);
    EXPECT_EQ(p[0][0][2], 0);
    EXPECT_EQ(p[3][2][5], 248);
    EXPECT_EQ(p[15][0][255], 128);
    EXPECT_EQ(p[15][1][255], 128);
    EXPECT_EQ(p[15][2][255], 128);
}

TEST_F(ReaderTest, TexturesSharingAPaletteBlockShareOneSlot) {
    LoadModel(
        FaceListModel({Tex("A", 0), Tri(), Tex("B", 1), Tri(), Tex("C", 0), Tri(), Tex("D", 2), Tri()}, 3));
    EXPECT_EQ(store->ttx.Textures[0].Palette_Set, 0);
    EXPECT_EQ(store->ttx.Textures[1].Palette_Set, 1);
    EXPECT_EQ(store->ttx.Textures[2].Palette_Set, 0);
    EXPECT_EQ(store->ttx.Textures[3].Palette_Set, 2);
    EXPECT_EQ(store->Current_Palette_Set, 2);
    EXPECT_NE(store->Palette_Slots[2], 0);
    EXPECT_EQ(store->Palette_Slots[3], 0);
    // Slot 1 holds the second block's palettes, which differ from the first's.
    EXPECT_NE(store->Palettes[16], store->Palettes[0]);
}

TEST_F(ReaderTest, ANinthPaletteBlockUsesSetZeroWithAWarning) {
    UseClassicSizes();
    std::vector<optb::FaceListChild> children;
    for (int p = 0; p < 9; ++p) {
        children.push_back(Tex("P" + std::to_string(p), p));
        children.push_back(Tri());
    }
    LoadModel(FaceListModel(children, 9));
    for (int p = 0; p < 8; ++p) EXPECT_EQ(store->ttx.Textures[p].Palette_Set, p);
    EXPECT_EQ(store->ttx.Textures[8].Palette_Set, 0);
    EXPECT_TRUE(HasDamage("more than 8 palette blocks"));
}

}  // namespace
}  // namespace opt::testing
