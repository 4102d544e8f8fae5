// The model store: twelve fixed-capacity tables, one per OPT block kind, plus the model-wide values.
// Records are kept in reading order; offsets named in each record are already converted to file
// positions. Clear writes the unset markers that consumers test to tell empty slots from loaded ones.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/format.h"

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

// A fixed array of records with a clear that writes each record's unset values.
template <class Record, int N>
struct Table {
    static constexpr int Capacity = N;
    std::array<Record, N> Entries;
    Table() { Clear(); }
    void Clear() {
        for (auto& r : Entries) r.Clear();
    }
    Record& operator[](int i) { return Entries[static_cast<size_t>(i)]; }
    const Record& operator[](int i) const { return Entries[static_cast<size_t>(i)]; }
    static bool InRange(int i) { return i >= 0 && i < N; }
};

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
    int32_t Jumps[kMaxMeshChildren] = {};  // child positions, 0 = no child
    void Clear() { *this = MeshRecord{}; }
};

struct TXW {
    int32_t Main_Offset = 0;
    int32_t Num_Jumps = 0;  // as read; entries past capacity are ignored
    int32_t Jump_List_Offset = 0;
    int32_t Jumps[kMaxTopLevel] = {};
    int32_t Peek[4] = {};  // Lead, Type, Num_Jumps of the block at the cursor, then 0
    std::array<MeshRecord, kMaxTopLevel> Meshes;
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

struct VertexRecord : BlockHeader {  // Data_Offset converted; Count as read
    int32_t Mesh = 0;
    float X[kMaxElements];
    float Y[kMaxElements];
    float Z[kMaxElements];
    void Clear();
};
struct TVX : Table<VertexRecord, kMaxVertexBlocks> {};

struct TexVertexRecord : BlockHeader {
    int32_t Mesh = 0;
    float U[kMaxElements];
    float V[kMaxElements];
    void Clear();
};
struct TTVX : Table<TexVertexRecord, kMaxTexVertexBlocks> {};

struct NormalRecord : BlockHeader {
    float X[kMaxElements];
    float Y[kMaxElements];
    float Z[kMaxElements];
    int32_t Mesh = 0;
    void Clear();
};
struct TTVN : Table<NormalRecord, kMaxNormalBlocks> {};

struct NodeRecord : BlockHeader {  // Jump_List_Offset converted
    int32_t Jumps[kMaxNodeChildren] = {};
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
    int32_t Indices[16][kMaxFaces];
    float Normal_I[kMaxFaces], Normal_J[kMaxFaces], Normal_K[kMaxFaces];
    float F[6][kMaxFaces];       // f0 .. f5
    uint8_t Quad[4][kMaxFaces];  // per group: 1 = quadrilateral, 0 = triangle
    int32_t Mesh = kUnsetFaceMesh;
    int32_t LOD = 0;
    std::string Tex_Names[kMaxPendingNames];

    int32_t* Index(int group, int k) { return Indices[group * 4 + k]; }
    const int32_t* Index(int group, int k) const { return Indices[group * 4 + k]; }
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
    std::string Unique_Names[kMaxUniqueNames];
    int32_t Texture_Index[kMaxUniqueNames];
    TTX() { Clear(); }
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

// Palettes as separate planes: Palettes[p][0] red, [1] green, [2] blue.
using PaletteStore = uint8_t[kPalettes][3][kPaletteEntries];

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
    PaletteStore Palettes = {};  // kept between loads
    int32_t Palette_Slots[kPaletteSlots] = {};
    int32_t Current_Palette_Set = 0;
    float Dist_1 = kUnsetReal, Dist_2 = kUnsetReal, Dist_3 = kUnsetReal;
    uint8_t Top_Textures = 0;
    // The bytes of the file as the load read them, kept up to date by every verified write: what the
    // editors check a run against before they replace it (the tables may already hold new values).
    std::vector<uint8_t> File_Image;

    // Clears all twelve tables.
    void ClearTables();
    // Resets the model-wide values that every load starts from (the palette store is kept).
    void ResetModelValues();
};

// The one store that the windows, the views and the editors share. Allocated on first use.
ModelStore& TheStore();

// Number of stored elements of a block: its Count clamped to 0 .. capacity.
inline int Clamped(int32_t count, int capacity) {
    return count < 0 ? 0 : count > capacity ? capacity : count;
}

}  // namespace opt
