// The test-model builder: decodes its bytes field by field and checks them against the description
// and the layout it reports; checks the models written at build time.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "model/bytes.h"
#include "model/format.h"
#include "tests/support/opt_builder.h"
#include "tests/support/sample_models.h"

namespace {

using optb::Kind;

struct Reader {
    const std::vector<uint8_t>& bytes;
    int32_t main_offset;
    int32_t i32(int64_t pos) const { return opt::read_at<int32_t>(bytes, pos).value(); }
    float f32(int64_t pos) const { return opt::read_at<float>(bytes, pos).value(); }
    int64_t convert(int64_t pos) const { return i32(pos) - main_offset; }  // stored offset at pos -> position
    std::string name(int64_t pos) const { return std::string(bytes.begin() + pos, bytes.begin() + pos + 9); }
};

optb::Model one_mesh(int32_t global_offset) {
    optb::Model m{.global_offset = global_offset};
    m.palettes.push_back(optb::PaletteBlock::ramp(0));
    optb::Face mixed = optb::Face::quad(0, 1, 2, 3);
    mixed.tex_vertex[3] = -1;  // a triangle in one group only
    mixed.normal = {0.5f, 0.25f, -1};
    mixed.mapping = {1, 2, 3, 4, 5, 6};
    m.entries.push_back(optb::Mesh{
        .children = {
            optb::Vertices{.points = {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {-1, -2, -3}}},
            optb::Hardpoint{.hp_type = 3, .pos = {10, 20, 30}},
            optb::LodSet{.distances = {100.f, 200.f},
                         .face_lists =
                             {optb::FaceList{
                                  .children =
                                      {
                                          optb::Texture{.name = "ABCDEFGHX", .width = 2, .height = 2, .pixels = {9, 8, 7, 6}},
                                          optb::FaceData{.faces = {mixed, optb::Face::tri(2, 1, 0)}},
                                      }},
                              optb::Ref{"mesh[0]/lod_set[0]/face_list[0]"}}},
        }});
    return m;
}

TEST(OptBuilder, FileHeaderAndTopLevelListUseTheGlobalOffset) {
    for (int32_t global : {8, 1000, optb::kDefaultGlobalOffset}) {
        const auto b = optb::build(one_mesh(global));
        const Reader r{b.bytes, global - 8};
        EXPECT_EQ(r.i32(optb::kFileGlobalOffsetPos), global);
        EXPECT_EQ(b.layout.main_offset, global - 8);
        EXPECT_EQ(r.i32(optb::kFileNumJumpsPos), 1);
        EXPECT_EQ(r.convert(optb::kFileJumpListPos), b.layout.jump_list_pos);
        EXPECT_EQ(r.convert(b.layout.jump_list_pos), b.layout.at("mesh[0]").pos);
        EXPECT_EQ(r.i32(b.layout.at("mesh[0]").pos + optb::kTypeField), optb::kDefaultMeshType);
    }
}

TEST(OptBuilder, StoredOffsetsConvertToThePayloads) {
    const auto b = optb::build(one_mesh(1000));
    const Reader r{b.bytes, 992};
    const auto& v = b.layout.nth(Kind::Vertices);
    EXPECT_EQ(r.i32(v.pos + optb::kTypeField), opt::kVertices);
    EXPECT_EQ(r.i32(v.pos + optb::kCountField), 4);
    EXPECT_EQ(r.convert(v.pos + optb::kDataOffsetField), v.pos + 24);
    EXPECT_EQ(r.f32(v.pos + 24 + 12 * 3 + 8), -3.f);  // Z of the last vertex

    const auto& hp = b.layout.nth(Kind::Hardpoint);
    EXPECT_EQ(r.convert(hp.pos + optb::kDataOffsetField), hp.pos + 24);  // as the editors require
    EXPECT_EQ(r.i32(hp.pos + 24), 3);
    EXPECT_EQ(r.f32(hp.pos + 24 + 12), 30.f);

    const auto& lod = b.layout.nth(Kind::LodSet);
    EXPECT_EQ(r.i32(lod.pos + optb::kNumJumpsField), 2);
    EXPECT_EQ(r.f32(r.convert(lod.pos + optb::kDataOffsetField) + 4), 200.f);
    // Both LOD entries lead to the one face list: the second is a link to the first.
    const int64_t list = r.convert(lod.pos + optb::kJumpListField);
    EXPECT_EQ(r.convert(list), b.layout.nth(Kind::FaceList).pos);
    EXPECT_EQ(r.convert(list + 4), b.layout.nth(Kind::FaceList).pos);
    EXPECT_EQ(b.layout.all(Kind::FaceList).size(), 1u);
}

TEST(OptBuilder, FaceDataKeepsIndicesNormalsAndMappingInOrder) {
    const auto b = optb::build(one_mesh(optb::kDefaultGlobalOffset));
    const Reader r{b.bytes, b.layout.main_offset};
    const auto& fd = b.layout.nth(Kind::FaceData);
    ASSERT_EQ(r.i32(fd.pos + optb::kCountField), 2);
    const int64_t d = r.convert(fd.pos + optb::kDataOffsetField);
    EXPECT_EQ(d, fd.data_pos);
    EXPECT_EQ(fd.data_size, 4 + 100 * 2);
    EXPECT_EQ(r.i32(d), 4 + 3);                    // Edges defaults to the sides of all faces
    EXPECT_EQ(r.i32(d + 4 + 4 * 3), 3);            // face 0, vertex group, 4th index
    EXPECT_EQ(r.i32(d + 4 + 4 * 11), -1);          // face 0, texture-vertex group, 4th index
    EXPECT_EQ(r.i32(d + 4 + 64 + 0), 2);           // face 1 starts at its first vertex
    EXPECT_EQ(r.i32(d + 4 + 64 + 12), -1);         // and is a triangle
    EXPECT_EQ(r.f32(d + 4 + 128 + 4), 0.25f);      // face 0 normal J
    EXPECT_EQ(r.f32(d + 4 + 128 + 24 + 20), 6.f);  // face 0 f5
}

TEST(OptBuilder, TextureNamePixelsAndPaletteBlock) {
    const auto b = optb::build(one_mesh(500));
    const Reader r{b.bytes, 492};
    const auto& t = b.layout.nth(Kind::Texture);
    const int64_t name = r.convert(t.pos + optb::kLeadField);
    EXPECT_EQ(name, t.name_pos);
    EXPECT_EQ(r.name(name), "ABCDEFGHX");
    EXPECT_EQ(r.i32(name + 9 + 8), 4);   // Size
    EXPECT_EQ(r.i32(name + 9 + 16), 2);  // Width
    EXPECT_EQ(b.bytes[static_cast<size_t>(r.convert(t.pos + optb::kDataOffsetField) + 24 + 3)], 6);
    const int64_t palette = r.convert(name + 9);
    EXPECT_EQ(palette, b.layout.at("palette[0]").pos);
    const auto colours = optb::PaletteBlock::ramp(0).colours;
    const int64_t entry = palette + opt::kPaletteBlockSkip + 2 * (5 * 256 + 200);  // palette 5, entry 200
    EXPECT_EQ(b.bytes[static_cast<size_t>(entry)] | (b.bytes[static_cast<size_t>(entry) + 1] << 8),
              colours[5 * 256 + 200]);
    EXPECT_NE(colours[5 * 256 + 200], 0);
}

TEST(OptBuilder, LinksAndHeaderOverrides) {
    optb::Model m;
    m.entries.push_back(optb::Mesh{
        .children = {optb::Zero{}, optb::Node{.children = {optb::Ref{"me"}}, .label = "me"}, optb::Stored{-7},
                     optb::Vertices{.points = {{1, 1, 1}}, .header = {.count = 5000}}}});
    const auto b = optb::build(m);
    const Reader r{b.bytes, b.layout.main_offset};
    const int64_t list = r.convert(b.layout.at("mesh[0]").pos + optb::kJumpListField);
    EXPECT_EQ(r.i32(list), 0);
    const auto& node = b.layout.at("me");
    EXPECT_EQ(node.path, "mesh[0]/node[0]");
    EXPECT_EQ(r.convert(node.jump_list_pos), node.pos);  // the node lists itself
    EXPECT_EQ(r.i32(list + 8), -7);
    const auto& v = b.layout.nth(Kind::Vertices);
    EXPECT_EQ(r.i32(v.pos + optb::kCountField), 5000);
    EXPECT_EQ(v.count, 1);
    EXPECT_EQ(v.data_size, 12);
}

TEST(OptBuilder, RefusesBadPaletteAndUnknownLink) {
    optb::Model m;
    m.entries.push_back(optb::Texture{.name = "T", .palette = 0});
    EXPECT_THROW(optb::build(m), std::invalid_argument);
    m.entries[0] = optb::Ref{"nowhere"};
    EXPECT_THROW(optb::build(m), std::invalid_argument);
}

std::vector<uint8_t> read_file(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(BuildTimeModels, DemoFileIsTheDemoModel) {
    const auto file = read_file(DEMO_MODEL_PATH);
    const auto b = optb::build(optb::demo_model());
    EXPECT_EQ(file, b.bytes);
    const Reader r{b.bytes, b.layout.main_offset};
    EXPECT_EQ(r.i32(optb::kFileNumJumpsPos), optb::kDemoMeshes);
    // Every mesh has two LODs, a descriptor and a rotation/scale block; faces are quads and triangles.
    EXPECT_EQ(b.layout.all(Kind::LodSet).size(), size_t{optb::kDemoMeshes});
    EXPECT_EQ(b.layout.all(Kind::Descriptor).size(), size_t{optb::kDemoMeshes});
    EXPECT_EQ(b.layout.all(Kind::RotScale).size(), size_t{optb::kDemoMeshes});
    for (const auto* lod : b.layout.all(Kind::LodSet)) EXPECT_EQ(lod->jumps, 2);
    EXPECT_EQ(b.layout.all(Kind::Texture).size(), 2u);
    EXPECT_NE(r.i32(b.layout.nth(Kind::Texture, 0).name_pos + 9),
              r.i32(b.layout.nth(Kind::Texture, 1).name_pos + 9));
    int quads = 0, triangles = 0;
    for (const auto* fd : b.layout.all(Kind::FaceData)) {
        for (int f = 0; f < fd->count; ++f)
            (r.i32(fd->data_pos + 4 + 64 * f + 12) == -1 ? triangles : quads)++;
    }
    EXPECT_GT(quads, 0);
    EXPECT_GT(triangles, 0);
}

TEST(BuildTimeModels, MaxcapFillsTheCapacities) {
    const auto file = read_file(MAXCAP_MODEL_PATH);
    const auto b = optb::build(optb::maxcap_model());
    EXPECT_EQ(file, b.bytes);
    EXPECT_EQ(b.layout.all(Kind::Mesh).size(), size_t{opt::kMaxTopLevel});
    EXPECT_EQ(b.layout.all(Kind::Texture).size(), size_t{opt::kMaxTextures});
    EXPECT_EQ(b.layout.all(Kind::FaceList).size(), size_t{opt::kMaxFaceLists});
    EXPECT_EQ(b.layout.all(Kind::Palette).size(), size_t{opt::kPaletteSlots});
    EXPECT_EQ(b.layout.all(Kind::Hardpoint).size(), size_t{opt::kMaxHardpoints});
    const auto data = b.layout.all(Kind::FaceData);
    ASSERT_EQ(data.size(), size_t{opt::kMaxFaceData});
    EXPECT_TRUE(std::all_of(data.begin(), data.end(), [](auto* d) { return d->count == opt::kMaxFaces; }));
    const auto vertices = b.layout.all(Kind::Vertices);
    ASSERT_EQ(vertices.size(), size_t{opt::kMaxVertexBlocks});
    EXPECT_TRUE(
        std::all_of(vertices.begin(), vertices.end(), [](auto* v) { return v->count == opt::kMaxElements; }));
    EXPECT_LT(b.bytes.size(), 4u << 20);
}

}  // namespace
