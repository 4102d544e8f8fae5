#include "model/store.h"

#include <algorithm>
#include <memory>

namespace opt {

void TXW::Clear() {
    Main_Offset = 0;
    Num_Jumps = 0;
    Jump_List_Offset = 0;
    std::fill(std::begin(Jumps), std::end(Jumps), 0);
    std::fill(std::begin(Peek), std::end(Peek), 0);
    for (auto& m : Meshes) m.Clear();
}

void TCB::ZeroHitZones() {
    for (auto& d : Entries) {
        std::fill(std::begin(d.HZ_Min), std::end(d.HZ_Min), 0.0f);
        std::fill(std::begin(d.HZ_Max), std::end(d.HZ_Max), 0.0f);
    }
}

void VertexRecord::Clear() {
    ClearHeader();
    Mesh = 0;
    std::fill(std::begin(X), std::end(X), kUnsetReal);
    std::fill(std::begin(Y), std::end(Y), kUnsetReal);
    std::fill(std::begin(Z), std::end(Z), kUnsetReal);
}

void TexVertexRecord::Clear() {
    ClearHeader();
    Mesh = 0;
    std::fill(std::begin(U), std::end(U), kUnsetReal);
    std::fill(std::begin(V), std::end(V), kUnsetReal);
}

void NormalRecord::Clear() {
    ClearHeader();
    Mesh = 0;
    std::fill(std::begin(X), std::end(X), kUnsetReal);
    std::fill(std::begin(Y), std::end(Y), kUnsetReal);
    std::fill(std::begin(Z), std::end(Z), kUnsetReal);
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
    for (auto& a : Indices) std::fill(std::begin(a), std::end(a), kUnsetIndex);
    std::fill(std::begin(Normal_I), std::end(Normal_I), kUnsetReal);
    std::fill(std::begin(Normal_J), std::end(Normal_J), kUnsetReal);
    std::fill(std::begin(Normal_K), std::end(Normal_K), kUnsetReal);
    for (auto& a : F) std::fill(std::begin(a), std::end(a), kUnsetReal);
    for (auto& a : Quad) std::fill(std::begin(a), std::end(a), uint8_t{1});
    Mesh = kUnsetFaceMesh;
    LOD = 0;
    for (auto& s : Tex_Names) s.clear();
}

void TTX::Clear() {
    Textures.Clear();
    Groups.Clear();
    Refs.Clear();
    for (auto& s : Unique_Names) s.clear();
    std::fill(std::begin(Texture_Index), std::end(Texture_Index), kUnsetIndex);
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
}

void ModelStore::ResetModelValues() {
    std::fill(std::begin(Counters), std::end(Counters), 0);
    Unique_Count = 0;
    std::fill(std::begin(Palette_Slots), std::end(Palette_Slots), 0);
    Current_Palette_Set = 0;
    Dist_1 = Dist_2 = Dist_3 = kUnsetReal;
    Top_Textures = 0;
}

ModelStore& TheStore() {
    static const std::unique_ptr<ModelStore> store = std::make_unique<ModelStore>();
    return *store;
}

}  // namespace opt
