#include "model/store.h"

#include <algorithm>

namespace opt {

void TXW::Clear() {
    Main_Offset = 0;
    Num_Jumps = 0;
    Jump_List_Offset = 0;
    Jumps.assign(kMaxTopLevel, 0);
    std::fill(std::begin(Peek), std::end(Peek), 0);
    Meshes.resize(kMaxTopLevel);
    for (auto& m : Meshes) m.Clear();
}

void TCB::ZeroHitZones() {
    for (auto& d : Entries) {
        std::fill(std::begin(d.HZ_Min), std::end(d.HZ_Min), 0.0f);
        std::fill(std::begin(d.HZ_Max), std::end(d.HZ_Max), 0.0f);
    }
}

namespace {
// The classic number of slots, all unset (assign keeps the memory a larger block had).
template <class T>
void ClassicSlots(std::vector<T>& v, int n, T unset) {
    v.assign(static_cast<size_t>(n), unset);
}
}  // namespace

void VertexRecord::Clear() {
    ClearHeader();
    Mesh = 0;
    for (Plane* p : {&X, &Y, &Z}) ClassicSlots(*p, kMaxElements, kUnsetReal);
}

void TexVertexRecord::Clear() {
    ClearHeader();
    Mesh = 0;
    for (Plane* p : {&U, &V}) ClassicSlots(*p, kMaxElements, kUnsetReal);
}

void NormalRecord::Clear() {
    ClearHeader();
    Mesh = 0;
    for (Plane* p : {&X, &Y, &Z}) ClassicSlots(*p, kMaxElements, kUnsetReal);
}

void LodSetRecord::Clear() {
    ClearHeader();
    std::fill(std::begin(Jumps), std::end(Jumps), 0);
    std::fill(std::begin(Distance), std::end(Distance), kUnsetReal);
    Mesh = 0;
}

void FaceDataRecord::Clear() {
    ClearHeader();
    Edges = 0;
    for (auto& a : Indices) ClassicSlots(a, kMaxFaces, kUnsetIndex);
    for (auto* a : {&Normal_I, &Normal_J, &Normal_K}) ClassicSlots(*a, kMaxFaces, kUnsetReal);
    for (auto& a : F) ClassicSlots(a, kMaxFaces, kUnsetReal);
    for (auto& a : Quad) ClassicSlots(a, kMaxFaces, uint8_t{1});
    Mesh = kUnsetFaceMesh;
    LOD = 0;
    Lod_Position = 0;
    Faces_Read = 0;
    for (auto& s : Tex_Names) s.clear();
}

void FaceDataRecord::GrowFaces(int n) {
    if (n <= Faces()) return;
    const auto size = static_cast<size_t>(n);
    for (auto& a : Indices) a.resize(size, kUnsetIndex);
    for (auto* a : {&Normal_I, &Normal_J, &Normal_K}) a->resize(size, kUnsetReal);
    for (auto& a : F) a.resize(size, kUnsetReal);
    for (auto& a : Quad) a.resize(size, uint8_t{1});
}

void TTX::Clear() {
    Textures.Clear();
    Groups.Clear();
    Refs.Clear();
    Unique_Names.assign(kMaxUniqueNames, std::string());
    Texture_Index.assign(kMaxUniqueNames, kUnsetIndex);
}

namespace {
std::string NameUpToNul(const char* p, size_t n) {
    size_t len = 0;
    while (len < n && p[len] != '\0') ++len;
    return std::string(p, len);
}
}  // namespace

std::string TextureName(const TextureRecord& t) { return NameUpToNul(t.Name.data(), 8); }
std::string ReferenceName(const TextureRefRecord& r) { return NameUpToNul(r.Name.data(), 9); }

std::string TrimName(const std::string& s) {
    size_t len = s.size();
    while (len > 0 && static_cast<unsigned char>(s[len - 1]) <= ' ') --len;
    return s.substr(0, len);
}

void ModelStore::ClearTables() {
    txw.Clear();
    ttbh.Clear();
    trsh.Clear();
    tcb.Clear();
    tvx.Clear();
    ttvx.Clear();
    ttvn.Clear();
    ttmih.Clear();
    ttmdh.Clear();
    ttmfh.Clear();
    ttfd.Clear();
    ttx.Clear();
    Warnings.clear();
    Lod_Numbers.clear();
    Texture_List.clear();
}

void ModelStore::ResetModelValues() {
    std::fill(std::begin(Counters), std::end(Counters), 0);
    Unique_Count = 0;
    Palette_Slots.assign(kPaletteSlots, 0);
    // The palettes of the classic eight slots stay as the last load left them; more are read again.
    Palettes.resize(kPalettes);
    Current_Palette_Set = 0;
    Dist_1 = Dist_2 = Dist_3 = kUnsetReal;
    Top_Textures = 0;
}

}  // namespace opt
