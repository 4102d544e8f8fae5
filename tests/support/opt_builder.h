// Writes synthetic OPT files from a description in code, and reports where every block landed.
//
// A model is a tree of plain structs. Jump-list entries are variants, so a list may hold real
// blocks, a 0 entry (`Zero`), a link to any block of the file by path or label (`Ref`, resolved
// after the whole file is laid out, so cycles and shared children work), or any raw stored value
// (`Stored`). Every block can override the six words of its header after it is written (`header`),
// which lets tests claim more elements or children than the file holds.
//
// Example:
//
//     optb::Model m{.global_offset = 1000};
//     m.palettes.push_back(optb::PaletteBlock::ramp(0));
//     m.entries.push_back(optb::Mesh{.children = {
//         optb::Vertices{.points = {{0, 0, 0}, {10, 0, 0}, {0, 10, 0}}},
//         optb::Hardpoint{.hp_type = 1, .pos = {0, 5, 0}, .label = "gun"},
//         optb::LodSet{.distances = {1000.f}, .face_lists = {optb::FaceList{.children = {
//             optb::Texture{.name = "HULL", .width = 2, .height = 2, .pixels = {1, 2, 3, 4}},
//             optb::FaceData{.faces = {optb::Face::tri(0, 1, 2)}},
//         }}}},
//         optb::Node{.children = {optb::Ref{"loop"}}, .label = "loop"},  // a node listing itself
//     }});
//     optb::Built b = optb::build(m);
//     int64_t count_word = b.layout.nth(optb::Kind::Vertices).pos + optb::kCountField;
//     int64_t gun = b.layout.at("gun").data_pos;               // the hardpoint's payload
//     int64_t fd = b.layout.at("mesh[0]/lod_set[0]/face_list[0]/face_data[0]").pos;
//     optb::write_file(path, b.bytes);
//
// Paths: top-level entries are "mesh[i]", "texture[i]" or "raw[i]" (i = index in the top-level
// list, the mesh index); below them each block adds "/kind[n]" with n counting siblings of that kind
// ("vertices", "tex_vertices", "normals", "node", "lod_set", "hardpoint", "rot_scale",
// "descriptor", "raw", "face_list" (n = LOD), "texture", "face_data", "texture_group",
// "texture_ref"). Palette blocks are "palette[k]".
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace optb {

inline constexpr int32_t kDefaultGlobalOffset =
    1032;                                           // Main_Offset 1024: stored offsets differ from positions
inline constexpr int32_t kDefaultMeshType = 5;      // a mesh's Type word is not examined
inline constexpr int32_t kDefaultFaceListType = 2;  // neither is a face list's

// Byte offsets of the header words inside a block.
inline constexpr int64_t kLeadField = 0;
inline constexpr int64_t kTypeField = 4;
inline constexpr int64_t kNumJumpsField = 8;
inline constexpr int64_t kJumpListField = 12;
inline constexpr int64_t kCountField = 16;
inline constexpr int64_t kDataOffsetField = 20;

// Byte positions of the file header words.
inline constexpr int64_t kFileWord4Pos = 4;
inline constexpr int64_t kFileGlobalOffsetPos = 8;
inline constexpr int64_t kFileNumJumpsPos = 14;
inline constexpr int64_t kFileJumpListPos = 18;
inline constexpr int64_t kFileHeaderBytes = 22;

struct Vec3 {
    float x = 0, y = 0, z = 0;
};
struct Vec2 {
    float u = 0, v = 0;
};

// Replaces header words after the block is written. Offsets given here are stored values.
struct HeaderOverride {
    std::optional<int32_t> lead{}, type{}, num_jumps{}, jump_list_offset{}, count{}, data_offset{};
};

// ---- jump-list entries that are not blocks -------------------------------------------------------

struct Zero {};  // a 0 entry
struct Ref {     // the stored offset of a block placed anywhere in the file, by path or label
    std::string target{};
};
struct Stored {  // any stored value, e.g. one pointing past the end of the file
    int32_t value = 0;
};

// ---- leaf blocks ---------------------------------------------------------------------------------

struct Vertices {  // Type 3, records directly after the header
    std::vector<Vec3> points{};
    std::string label{};
    HeaderOverride header{};
};
struct Normals {  // Type 11
    std::vector<Vec3> normals{};
    std::string label{};
    HeaderOverride header{};
};
struct TexVertices {  // Type 13
    std::vector<Vec2> coords{};
    std::string label{};
    HeaderOverride header{};
};
struct Hardpoint {  // Type 22, payload after the header, Data_Offset = block start + 24
    int32_t hp_type = 1;
    Vec3 pos{};
    std::string label{};
    HeaderOverride header{};
};
struct RotScale {  // Type 23, payload after the header
    Vec3 centre, scale_1{1, 0, 0}, scale_2{0, 1, 0}, scale_3{0, 0, 1};
    std::string label{};
    HeaderOverride header{};
};
struct Descriptor {  // Type 25, 72 bytes after the header
    int32_t mesh_type = 0;
    int32_t n2 = 0;
    Vec3 hz_span{}, hz_centre{}, hz_min{}, hz_max{};
    int32_t group_id = 0;
    Vec3 target{};
    std::string label{};
    HeaderOverride header{};
};
struct RawBlock {  // a header of any Type with the payload bytes directly after it (Data_Offset)
    int32_t type = 99;
    std::vector<uint8_t> payload{};
    std::string label{};
    HeaderOverride header{};
};

// One face: four groups of four indices; a group whose 4th index is -1 is a triangle.
struct Face {
    std::array<int32_t, 4> vertex{}, edge{}, tex_vertex{}, vx_normal{};
    Vec3 normal{0, 0, 1};
    std::array<float, 6> mapping{};  // Float f0..f5
    // All four groups the same (edges 0..3 or 0..2): the common case.
    static Face quad(int32_t a, int32_t b, int32_t c, int32_t d);
    static Face tri(int32_t a, int32_t b, int32_t c);
};
struct FaceData {  // Type 1, data at Data_Offset (directly after the header)
    std::vector<Face> faces{};
    std::optional<int32_t> edges{};  // default: sum of the faces' sides
    std::string label{};
    HeaderOverride header{};
};

// Texture (Type 20): header, then pixels at Data_Offset + 24 (Data_Offset = block start), then the
// name record (Lead). The palette is an index into Model::palettes.
struct Texture {
    std::string name{};  // up to 9 bytes, zero-padded; the 9th byte is not part of the name
    int palette = 0;
    int32_t width = 0, height = 0;
    std::vector<uint8_t> pixels{};
    std::optional<int32_t> size{};            // default: pixels.size()
    std::optional<int32_t> palette_offset{};  // stored; default: the palette block's offset
    int32_t tex_spare_1 = 0, tex_spare_2 = 0;
    std::string label{};
    HeaderOverride header{};
};
struct TextureRef {  // Type 7, 9-byte name at Data_Offset (directly after the header)
    std::string name{};
    std::string label{};
    HeaderOverride header{};
};

using GroupChild = std::variant<Texture, TextureRef, RawBlock, Zero, Ref, Stored>;
struct TextureGroup {  // Type 24
    std::vector<GroupChild> children{};
    std::string label{};
    HeaderOverride header{};
};

using FaceListChild = std::variant<Texture, FaceData, TextureGroup, TextureRef, RawBlock, Zero, Ref, Stored>;
struct FaceList {
    std::vector<FaceListChild> children{};
    int32_t type = kDefaultFaceListType;
    std::string label{};
    HeaderOverride header{};
};

using LodEntry = std::variant<FaceList, Zero, Ref, Stored>;
struct LodSet {  // Type 21: one face list per LOD, distances at Data_Offset
    std::vector<float> distances{};
    std::vector<LodEntry> face_lists{};
    std::string label{};
    HeaderOverride header{};
};

// ---- meshes and nodes ----------------------------------------------------------------------------

struct MeshChild;
// The children of a node. A vector of MeshChild, but a type of its own so that Node can default its
// children before MeshChild is complete.
struct MeshChildren : std::vector<MeshChild> {
    using std::vector<MeshChild>::vector;
    MeshChildren();
    MeshChildren(std::vector<MeshChild> children);  // implicit: a vector of children converts
};
struct Node {  // Type 0
    MeshChildren children{};
    std::string label{};
    HeaderOverride header{};
};
using MeshChildVariant = std::variant<Node, Vertices, TexVertices, Normals, LodSet, Hardpoint, RotScale,
                                      Descriptor, RawBlock, Zero, Ref, Stored>;
struct MeshChild : MeshChildVariant {
    using MeshChildVariant::MeshChildVariant;
};
inline MeshChildren::MeshChildren() = default;
inline MeshChildren::MeshChildren(std::vector<MeshChild> children)
    : std::vector<MeshChild>(std::move(children)) {}

struct Mesh {
    std::vector<MeshChild> children{};
    int32_t type = kDefaultMeshType;
    std::string label{};
    HeaderOverride header{};
};

using TopLevel = std::variant<Mesh, Texture, RawBlock, Zero, Ref, Stored>;

// 4096 filler bytes, then 16 palettes × 256 RGB565 words (missing colours are written as 0).
struct PaletteBlock {
    std::vector<uint16_t> colours{};  // palette p entry e at p * 256 + e
    uint8_t filler = 0xA5;
    // A grey-to-colour ramp per palette, differing by seed: colours are never all the same.
    static PaletteBlock ramp(int seed);
};

struct Model {
    int32_t global_offset = kDefaultGlobalOffset;
    int32_t word_4 = 0;  // file bytes 4..7
    std::vector<TopLevel> entries{};
    std::vector<PaletteBlock> palettes{};  // written after all blocks
    std::optional<int32_t> num_jumps{};    // overrides the file header's Num_Jumps
};

// ---- layout --------------------------------------------------------------------------------------

enum class Kind {
    Mesh,
    Node,
    Vertices,
    TexVertices,
    Normals,
    LodSet,
    FaceList,
    FaceData,
    Texture,
    TextureGroup,
    TextureRef,
    Hardpoint,
    RotScale,
    Descriptor,
    Raw,
    Palette,
};

struct BlockInfo {
    Kind kind = Kind::Raw;
    int32_t type = 0;  // the Type word as finally written
    int64_t pos = 0;   // file position of the block header
    std::string path{}, label{};
    int64_t jump_list_pos = -1;  // position of the child list, -1 when none
    int32_t jumps = 0;           // entries written in it
    int64_t data_pos = -1;       // payload: elements, face data, distances, pixels, name of a reference
    int64_t data_size = 0;
    int64_t name_pos = -1;  // textures: the name record (Lead)
    int32_t count = 0;      // elements written (vertices, faces, ...)
};

struct Layout {
    int32_t global_offset = 0;
    int32_t main_offset = 0;
    int64_t jump_list_pos = 0;        // top-level jump list
    std::vector<BlockInfo> blocks{};  // in writing order, which is the order of a depth-first walk

    int32_t stored(int64_t pos) const { return static_cast<int32_t>(pos + main_offset); }
    // The n-th block of a kind in writing order; throws std::out_of_range when there is none.
    const BlockInfo& nth(Kind kind, int n = 0) const;
    // The block with this path or label; throws std::out_of_range when there is none.
    const BlockInfo& at(std::string_view path_or_label) const;
    std::vector<const BlockInfo*> all(Kind kind) const;
};

struct Built {
    std::vector<uint8_t> bytes{};
    Layout layout{};
};

// Lays out and encodes the model. Throws std::invalid_argument for a bad palette index or a Ref that
// names no block.
Built build(const Model& model);

// Writes the bytes to the file, replacing it; throws std::runtime_error on failure.
void write_file(const std::filesystem::path& path, std::span<const uint8_t> bytes);

// RGB565 word from 8-bit components.
constexpr uint16_t rgb565(int r, int g, int b) {
    return static_cast<uint16_t>(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3));
}

}  // namespace optb
