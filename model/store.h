// The model store: twelve tables, one per OPT block kind, plus the model-wide values.
// Records are kept in reading order; offsets named in each record are already converted to file
// positions. Clear writes the unset markers that consumers test to tell empty slots from loaded ones.
//
// Every table, and every block's own arrays, holds its classic capacity after Clear and grows during
// a load to what the file needs (up to the limits in table_limits.h). A file that fits the classic
// capacities therefore loads into tables of exactly the classic sizes. Consumers take a table's size
// from the table (Size, Elements, Faces), never from the classic constants.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/format.h"
#include "model/table_limits.h"

namespace opt {

// The six int32 words at the start of every block, and of every table record.
struct BlockHeader {
    int32_t Lead = 0;
    int32_t Type = 0;
    int32_t Num_Jumps = 0;
    int32_t Jump_List_Offset = 0;
    int32_t Count = 0;
    int32_t Data_Offset = 0;
    void ClearHeader() { *this = BlockHeader{}; }
};

// Number of stored elements of a block: its Count clamped to 0 .. capacity.
inline int Clamped(int32_t count, int capacity) {
    return count < 0 ? 0 : count > capacity ? capacity : count;
}

// Records of one block kind: N of them after Clear (the classic capacity), more once a load grew it.
template <class Record, int N>
struct Table {
    static constexpr int Classic = N;
    std::vector<Record> Entries;
    Table() { Clear(); }
    // Back to the classic size, every record holding its unset values.
    void Clear() {
        Entries.resize(N);
        for (auto& r : Entries) r.Clear();
    }
    // Appends cleared records until the table holds n.
    void GrowTo(int n) {
        const size_t old = Entries.size();
        if (n <= static_cast<int>(old)) return;
        Entries.resize(static_cast<size_t>(n));
        for (size_t i = old; i < Entries.size(); ++i) Entries[i].Clear();
    }
    int Size() const { return static_cast<int>(Entries.size()); }
    Record& operator[](int i) { return Entries[static_cast<size_t>(i)]; }
    const Record& operator[](int i) const { return Entries[static_cast<size_t>(i)]; }
    bool InRange(int i) const { return i >= 0 && i < Size(); }
};

// Jump list of a mesh or node: the classic 20 entries after Clear, up to the children limit.
inline std::vector<int32_t> ClassicJumps() { return std::vector<int32_t>(kMaxMeshChildren, 0); }

// 9-byte name field of textures and texture references.
using NameField = std::array<char, 9>;
inline NameField UnsetName() {
    NameField n;
    n.fill(kUnsetNameChar);
    return n;
}

// ---- TXW: file header and top-level meshes -------------------------------------------------

struct MeshRecord : BlockHeader {  // Jump_List_Offset converted, Data_Offset as stored
    int32_t Spare = 0;
    std::vector<int32_t> Jumps = ClassicJumps();  // child positions, 0 = no child
    // Whether the walk read this top-level entry as a mesh (not a texture, not an entry it could not
    // follow).
    bool Read_As_Mesh = false;
    void Clear() { *this = MeshRecord{}; }
};

struct TXW {
    int32_t Main_Offset = 0;
    int32_t Num_Jumps = 0;  // as read; entries past capacity are ignored
    int32_t Jump_List_Offset = 0;
    std::vector<int32_t> Jumps;      // kMaxTopLevel after Clear, more when the file has more
    int32_t Peek[4] = {};            // Lead, Type, Num_Jumps of the block at the cursor, then 0
    std::vector<MeshRecord> Meshes;  // one per entry of Jumps
    int Size() const { return static_cast<int>(Jumps.size()); }
    TXW() { Clear(); }
    void Clear();
    // Whether the block last peeked has this type code; only the Type word decides.
    bool IsBlock(int32_t type) const { return Peek[1] == type; }
};

// ---- Tables of mesh-level blocks -----------------------------------------------------------

struct HardpointRecord : BlockHeader {  // Data_Offset converted unless 0
    int32_t HP_Type = 0;
    float X = kUnsetReal, Y = kUnsetReal, Z = kUnsetReal;
    int32_t Mesh = 0;
    void Clear() { *this = HardpointRecord{}; }
};
struct TTBH : Table<HardpointRecord, kMaxHardpoints> {};

struct RotScaleRecord : BlockHeader {  // Data_Offset converted
    float Centre[3] = {};
    float Scale_1[3] = {};
    float Scale_2[3] = {};
    float Scale_3[3] = {};
    int32_t Mesh = 0;
    // The 12 floats in file order: Centre, Scale_1, Scale_2, Scale_3.
    float& Float(int k) {
        return k < 3 ? Centre[k] : k < 6 ? Scale_1[k - 3] : k < 9 ? Scale_2[k - 6] : Scale_3[k - 9];
    }
    float Float(int k) const { return const_cast<RotScaleRecord*>(this)->Float(k); }
    void Clear() { *this = RotScaleRecord{}; }
};
struct TRSH : Table<RotScaleRecord, kMaxRotScale> {};

// Header plus payload form the 96-byte image of the block that the editors write back.
struct DescriptorRecord : BlockHeader {  // Data_Offset converted
    int32_t Mesh_Type = 0;
    int32_t N2 = 0;
    float HZ_Span[3] = {};
    float HZ_Centre[3] = {};
    float HZ_Min[3] = {};
    float HZ_Max[3] = {};
    int32_t Group_ID = 0;
    float Target[3] = {};
    int32_t Mesh = 0;
    void Clear() { *this = DescriptorRecord{}; }
};
struct TCB : Table<DescriptorRecord, kMaxDescriptors> {
    // Sets HZ_Min and HZ_Max to 0.0 in all records, loaded or not.
    void ZeroHitZones();
};

// Planes of a block of vertices, texture vertices or normals: element i is Plane[i] of each plane.
// Count stays as read; Elements() is how many slots the block holds (the classic 1000, or what the
// load grew it to), and Clamped(Count, Elements()) of them were read.
using Plane = std::vector<float>;

struct VertexRecord : BlockHeader {  // Data_Offset converted; Count as read
    int32_t Mesh = 0;
    Plane X, Y, Z;
    int Elements() const { return static_cast<int>(X.size()); }
    void Clear();
};
struct TVX : Table<VertexRecord, kMaxVertexBlocks> {};

struct TexVertexRecord : BlockHeader {
    int32_t Mesh = 0;
    Plane U, V;
    int Elements() const { return static_cast<int>(U.size()); }
    void Clear();
};
struct TTVX : Table<TexVertexRecord, kMaxTexVertexBlocks> {};

struct NormalRecord : BlockHeader {
    Plane X, Y, Z;
    int32_t Mesh = 0;
    int Elements() const { return static_cast<int>(X.size()); }
    void Clear();
};
struct TTVN : Table<NormalRecord, kMaxNormalBlocks> {};

struct NodeRecord : BlockHeader {  // Jump_List_Offset converted
    std::vector<int32_t> Jumps = ClassicJumps();
    int32_t Mesh = 0;
    void Clear() { *this = NodeRecord{}; }
};
struct TTMIH : Table<NodeRecord, kMaxNodes> {};

struct LodSetRecord : BlockHeader {  // Jump_List_Offset and Data_Offset converted
    int32_t Jumps[kMaxLods] = {};
    float Distance[kMaxLods];
    int32_t Mesh = 0;
    void Clear();
};
struct TTMDH : Table<LodSetRecord, kMaxLodSets> {};

struct FaceListRecord : BlockHeader {  // Jump_List_Offset converted unless 0
    int32_t Jumps[kMaxLods] = {};
    int32_t Child_Type[kMaxLods] = {};
    int32_t Mesh = 0;
    void Clear() { *this = FaceListRecord{}; }
};
struct TTMFH : Table<FaceListRecord, kMaxFaceLists> {};

// Index groups of a face, in file order.
enum FaceGroup { kGroupVertex = 0, kGroupEdge = 1, kGroupTexVertex = 2, kGroupVxNormal = 3 };

struct FaceDataRecord : BlockHeader {  // Count = faces as read; Data_Offset converted
    int32_t Edges = 0;
    // The sixteen index arrays in file order: Vertex_0..3, Edge_0..3, TexVertex_0..3, VxNormal_0..3.
    // Index(group, k)[i] is index k of group `group` of face i.
    // Every array holds Faces() slots: the classic 50, or what the load grew the block to.
    std::vector<int32_t> Indices[16];
    std::vector<float> Normal_I, Normal_J, Normal_K;
    std::vector<float> F[6];       // f0 .. f5
    std::vector<uint8_t> Quad[4];  // per group: 1 = quadrilateral, 0 = triangle
    int32_t Mesh = kUnsetFaceMesh;
    int32_t LOD = 0;  // the view's level: the face list's position in its LOD set, 3 past the fourth
    // The face list's own position in its LOD set (0, 1, ...): the level `info` and the exports count.
    int32_t Lod_Position = 0;
    // Faces whose first vertex index lies wholly inside the file (the rest of the slots, if any,
    // hold the unset index because the file ended first).
    int32_t Faces_Read = 0;
    std::string Tex_Names[kMaxPendingNames];

    int Faces() const { return static_cast<int>(Normal_I.size()); }
    // Faces the record stores: its Count within its slots (0..50 in a classic record).
    int StoredFaces() const { return Clamped(Count, Faces()); }
    // Whether slot j holds a face: its first vertex index was read (a slot past the end of the file
    // keeps the unset index; an index of 1234 read from the file is a face of a large block).
    bool Holds(int j) const { return j < Faces_Read || Indices[0][static_cast<size_t>(j)] != kUnsetIndex; }
    // Gives every array n slots, the new ones holding the unset values.
    void GrowFaces(int n);
    int32_t* Index(int group, int k) { return Indices[group * 4 + k].data(); }
    const int32_t* Index(int group, int k) const { return Indices[group * 4 + k].data(); }
    int32_t* Vertex(int k) { return Index(kGroupVertex, k); }
    const int32_t* Vertex(int k) const { return Index(kGroupVertex, k); }
    int32_t* TexVertex(int k) { return Index(kGroupTexVertex, k); }
    const int32_t* TexVertex(int k) const { return Index(kGroupTexVertex, k); }
    void Clear();
};
struct TTFD : Table<FaceDataRecord, kMaxFaceData> {};

// ---- TTX: textures, groups, references and the unique names ---------------------------------

struct TextureRecord : BlockHeader {  // Lead and Data_Offset converted
    NameField Name = UnsetName();
    int32_t Palette_Offset = 0;  // converted
    int32_t Tex_Spare_1 = 0;
    int32_t Size = 0;
    int32_t Tex_Spare_2 = 0;
    int32_t Width = 0;
    int32_t Height = 0;
    int32_t Palette_Set = 0;
    void Clear() { *this = TextureRecord{}; }
};

struct TextureGroupRecord : BlockHeader {  // Jump_List_Offset converted
    int32_t Jumps[kMaxGroupChildren] = {};
    void Clear() { *this = TextureGroupRecord{}; }
};

struct TextureRefRecord : BlockHeader {  // Data_Offset converted
    NameField Name = UnsetName();
    void Clear() { *this = TextureRefRecord{}; }
};

struct TTX {
    Table<TextureRecord, kMaxTextures> Textures;
    Table<TextureGroupRecord, kMaxTextureGroups> Groups;
    Table<TextureRefRecord, kMaxTextureRefs> Refs;
    // Names of the texture list, each with its texture record; kMaxUniqueNames entries after Clear.
    std::vector<std::string> Unique_Names;
    std::vector<int32_t> Texture_Index;
    TTX() { Clear(); }
    // Whether entry u of the texture list holds a name. 1234 in Texture_Index marks an unused entry
    // while the texture table cannot hold a record 1234; a table grown past that tells by the name.
    bool EntryUsed(size_t u) const {
        if (u >= Texture_Index.size()) return false;
        if (Textures.Size() > kUnsetIndex) return !Unique_Names[u].empty();
        return Texture_Index[u] != kUnsetIndex;
    }
    void Clear();
};

// Texture name of a texture record: the first 8 name bytes, up to the first NUL.
std::string TextureName(const TextureRecord& t);
// Referenced name of a texture reference: all 9 name bytes, up to the first NUL.
std::string ReferenceName(const TextureRefRecord& r);
// A name with trailing characters at or below the space removed (how names are compared).
std::string TrimName(const std::string& s);

// ---- Model-wide values ----------------------------------------------------------------------

// Block counters, one per table part, in this order.
enum Counter {
    kCountNodes,
    kCountFaceLists,
    kCountFaceData,
    kCountVertices,
    kCountTexVertices,
    kCountNormals,
    kCountTextures,
    kCountTextureGroups,
    kCountTextureRefs,
    kCountLodSets,
    kCountHardpoints,
    kCountRotScale,
    kCountDescriptors,
    kCounterKinds
};

// One palette as separate planes: [0] red, [1] green, [2] blue.
using PalettePlanes = std::array<std::array<uint8_t, kPaletteEntries>, 3>;
// Palettes[p] for p = slot * 16 + level: kPalettes of them, more once a load read more than 8 blocks.
using PaletteStore = std::vector<PalettePlanes>;

struct ModelStore {
    TXW txw;
    TTBH ttbh;
    TRSH trsh;
    TCB tcb;
    TVX tvx;
    TTVX ttvx;
    TTVN ttvn;
    TTMIH ttmih;
    TTMDH ttmdh;
    TTMFH ttmfh;
    TTFD ttfd;
    TTX ttx;

    int32_t Counters[kCounterKinds] = {};
    int32_t Unique_Count = 0;
    PaletteStore Palettes = PaletteStore(kPalettes);  // the first kPalettes are kept between loads
    std::vector<int32_t> Palette_Slots = std::vector<int32_t>(kPaletteSlots, 0);
    int32_t Current_Palette_Set = 0;
    float Dist_1 = kUnsetReal, Dist_2 = kUnsetReal, Dist_3 = kUnsetReal;
    uint8_t Top_Textures = 0;
    // The bytes of the file as the load read them, kept up to date by every verified write: what the
    // editors check a run against before they replace it (the tables may already hold new values).
    std::vector<uint8_t> File_Image;
    // How far a load may grow the tables: grown, unless whoever made the store chose the classic
    // sizes before the load (View > Classic Table Sizes, --tables classic); kept by every clear.
    TableLimits Limits = TableLimits::Grown();
    // The decimal separator of every text that writes or reads this model's reals (listings, memo
    // texts, the edit box): '.', unless the windows set their locale's; kept by every clear.
    char Decimal_Separator = '.';

    // What the reader gives besides the tables, in reading order: the lines of the listing box
    // (warnings and notes), the LOD numbers met (the resolution box's entries) and the texture names
    // (the texture list, each name once).
    std::vector<std::string> Warnings;
    std::vector<int32_t> Lod_Numbers;
    std::vector<std::string> Texture_List;

    // Clears all twelve tables and the reader's three lists.
    void ClearTables();
    // Resets the model-wide values that every load starts from (the palette store is kept).
    void ResetModelValues();
};

}  // namespace opt
