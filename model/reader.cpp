// The OPT walk: header, top-level jump list, then each mesh depth first through its nodes, LOD sets,
// face lists and texture groups, filling the tables in reading order.
//
// The walk keeps the quirks that stored files and users rely on (pending texture names, the face-data
// counter that waits for a pending name, LOD numbers above 3 counted as 3, palette slots). It adds the
// checks that keep damaged files harmless: no table is written past its capacity, no entry outside
// the file or back into a block being read is followed, a 0 entry of a list that has no 0 test is
// skipped, and each kind of damage met is reported once in the listing box.
#include "model/reader.h"

#include <algorithm>
#include <bit>
#include <filesystem>
#include <fstream>
#include <vector>

#include "model/errors.h"
#include "model/file_cursor.h"
#include "model/load_warnings.h"

namespace opt {

namespace {

// Offsets are 32-bit in the file; conversions wrap as the format's 32-bit arithmetic does.
int32_t Wrap(int64_t v) { return static_cast<int32_t>(static_cast<uint32_t>(v)); }

class Walker {
public:
    Walker(ModelStore& store, std::span<const uint8_t> bytes, ReaderSinks sinks)
        : s_(store), cur_(bytes), sinks_(sinks) {}

    void Run();

private:
    // -- conversions, header reads, record bookkeeping --
    int32_t Convert(int32_t stored) const { return Wrap(int64_t{stored} - s_.txw.Main_Offset); }
    void ReadHeader(BlockHeader& h) {
        cur_.Read(h.Lead);
        cur_.Read(h.Type);
        cur_.Read(h.Num_Jumps);
        cur_.Read(h.Jump_List_Offset);
        cur_.Read(h.Count);
        cur_.Read(h.Data_Offset);
    }
    void Peek();
    // Index of the next record of a table part, or -1 (with a warning) when the table is full.
    int NextRecord(Counter c, int capacity, FullTable table);
    // How many entries of a stored count fit a table of the given capacity.
    int Fit(int32_t count, int capacity, LoadProblem overflow);
    // Reads n stored offsets at the cursor into out[], keeping the raw values in raw[]; converts every
    // entry when convert_all is set, otherwise only the entries that are not 0.
    void ReadJumpList(int n, int32_t* out, int32_t* raw, bool convert_all);
    // Whether a list entry may be followed: not 0 (lists without a 0 test), inside the file.
    bool Followable(int32_t raw, int32_t pos);
    void FollowChild(int32_t pos, int mesh);

    // -- handlers --
    void ReadMesh(int m);
    void Dispatch(int mesh);
    void ReadHardpoint(int mesh);
    void ReadRotScale(int mesh);
    void ReadDescriptor(int mesh);
    template <class Record, size_t N>
    void ReadElementBlock(Table<Record, kMaxVertexBlocks>& table, Counter c, FullTable t, int mesh,
                          std::array<float (Record::*)[kMaxElements], N> planes);
    void ReadVertices(int mesh);
    void ReadTexVertices(int mesh);
    void ReadNormals(int mesh);
    void ReadNode(int mesh);
    void ReadLodSet(int mesh);
    void ReadFaceList(int mesh, int32_t pos);
    void ReadFaceData(FaceDataRecord& d, int mesh);
    static void DecodeFaces(FaceDataRecord& d, int n, const uint8_t* records, const uint8_t* normals,
                            const uint8_t* mapping);
    bool ReadTextureCounted();
    void ReadTexture(TextureRecord& x, int32_t index);
    void ReadPalettes(int slot);
    void ReadGroup();
    bool ReadReferenceCounted();
    void AddPending(const std::string& name);

    ModelStore& s_;
    FileCursor cur_;
    ReaderSinks sinks_;
    LoadWarnings warn_;

    std::string pending_[kMaxPendingNames];
    int pending_count_ = 0;
    bool pending_flag_ = false;
    int current_lod_ = 0;
    int lod_seen_[4] = {};
    std::vector<int32_t> active_;  // block positions of the mesh and nodes being read
};

void Walker::Peek() {
    auto& peek = s_.txw.Peek;
    std::fill(std::begin(peek), std::end(peek), 0);
    const int64_t at = cur_.Pos();
    cur_.Read(peek[0]);
    cur_.Read(peek[1]);
    cur_.Read(peek[2]);
    cur_.Seek(at);
}

int Walker::NextRecord(Counter c, int capacity, FullTable table) {
    const int32_t n = s_.Counters[c];
    if (n >= capacity) {
        warn_.NoteFull(table);
        return -1;
    }
    return n;
}

int Walker::Fit(int32_t count, int capacity, LoadProblem overflow) {
    if (count < 0) {
        warn_.Note(LoadProblem::kNegativeCount);
        return 0;
    }
    if (count > capacity) {
        warn_.Note(overflow);
        return capacity;
    }
    return count;
}

void Walker::ReadJumpList(int n, int32_t* out, int32_t* raw, bool convert_all) {
    for (int k = 0; k < n; ++k) {
        raw[k] = out[k];
        cur_.Read(raw[k]);
        out[k] = (convert_all || raw[k] != 0) ? Convert(raw[k]) : raw[k];
    }
}

bool Walker::Followable(int32_t raw, int32_t pos) {
    if (raw == 0) {
        warn_.Note(LoadProblem::kZeroEntry);
        return false;
    }
    if (!cur_.Inside(pos)) {
        warn_.Note(LoadProblem::kOffsetOutside);
        return false;
    }
    return true;
}

void Walker::FollowChild(int32_t pos, int mesh) {
    if (!cur_.Inside(pos)) {
        warn_.Note(LoadProblem::kOffsetOutside);
        return;
    }
    if (std::find(active_.begin(), active_.end(), pos) != active_.end()) {
        warn_.Note(LoadProblem::kCycle);
        return;
    }
    cur_.Seek(pos);
    Peek();
    Dispatch(mesh);
}

void Walker::Run() {
    auto& txw = s_.txw;
    // Header pass.
    int32_t unused = 0;
    cur_.Seek(4);
    cur_.Read(unused);
    int32_t global_offset = 0;
    cur_.Seek(8);
    cur_.Read(global_offset);
    txw.Main_Offset = Wrap(int64_t{global_offset} - 8);
    cur_.Seek(14);
    cur_.Read(txw.Num_Jumps);
    cur_.Read(txw.Jump_List_Offset);
    txw.Jump_List_Offset = Convert(txw.Jump_List_Offset);
    cur_.Seek(txw.Jump_List_Offset);
    const int top = Fit(txw.Num_Jumps, kMaxTopLevel, LoadProblem::kTopLevelFull);
    int32_t raw[kMaxTopLevel] = {};
    ReadJumpList(top, txw.Jumps, raw, /*convert_all=*/true);

    // Walk pass.
    s_.ResetModelValues();
    for (int i = 0; i < top; ++i) {
        if (!Followable(raw[i], txw.Jumps[i])) continue;
        cur_.Seek(txw.Jumps[i]);
        Peek();
        if (txw.IsBlock(kTexture)) {
            sinks_.listing.AddLine("Warning ***");
            sinks_.listing.AddLine("HiLites may Not be Correct");
            ReadTextureCounted();
            s_.Top_Textures = 1;
        } else {
            ReadMesh(i);
        }
    }

    if (cur_.RanPastEnd()) warn_.Note(LoadProblem::kTruncated);
    if (cur_.ReadOutside()) warn_.Note(LoadProblem::kOffsetOutside);
    for (const auto& line : warn_.Lines()) sinks_.listing.AddLine(line);
}

void Walker::ReadMesh(int m) {
    auto& rec = s_.txw.Meshes[static_cast<size_t>(m)];
    const int32_t start = static_cast<int32_t>(cur_.Pos());
    ReadHeader(rec);
    rec.Jump_List_Offset = Convert(rec.Jump_List_Offset);
    cur_.Seek(rec.Jump_List_Offset);
    const int n = Fit(rec.Num_Jumps, kMaxMeshChildren, LoadProblem::kJumpListFull);
    active_.push_back(start);
    for (int k = 0; k < n; ++k) {
        cur_.Read(rec.Jumps[k]);
        if (rec.Jumps[k] == 0) continue;
        const int64_t after = cur_.Pos();
        rec.Jumps[k] = Convert(rec.Jumps[k]);
        FollowChild(rec.Jumps[k], m);
        cur_.Seek(after);
    }
    active_.pop_back();
}

void Walker::Dispatch(int mesh) {
    switch (s_.txw.Peek[1]) {
        case kLodSet: ReadLodSet(mesh); break;
        case kHardpoint: ReadHardpoint(mesh); break;
        case kRotScale: ReadRotScale(mesh); break;
        case kMeshDescriptor: ReadDescriptor(mesh); break;
        case kVertices: ReadVertices(mesh); break;
        case kNode: ReadNode(mesh); break;
        case kTextureVertices: ReadTexVertices(mesh); break;
        case kVertexNormals: ReadNormals(mesh); break;
        default: break;  // another kind: skipped with everything below it
    }
}

void Walker::ReadHardpoint(int mesh) {
    const int r = NextRecord(kCountHardpoints, kMaxHardpoints, FullTable::TTBH);
    if (r < 0) return;
    auto& h = s_.ttbh[r];
    h.Mesh = mesh;
    ReadHeader(h);
    if (h.Data_Offset != 0) h.Data_Offset = Convert(h.Data_Offset);
    cur_.Seek(h.Data_Offset);
    cur_.Read(h.HP_Type);
    cur_.Read(h.X);
    cur_.Read(h.Y);
    cur_.Read(h.Z);
    ++s_.Counters[kCountHardpoints];
}

void Walker::ReadRotScale(int mesh) {
    const int r = NextRecord(kCountRotScale, kMaxRotScale, FullTable::TRSH);
    if (r < 0) return;
    auto& rs = s_.trsh[r];
    rs.Mesh = mesh;
    ReadHeader(rs);
    rs.Data_Offset = Convert(rs.Data_Offset);
    cur_.Seek(rs.Data_Offset);
    for (int k = 0; k < 12; ++k) cur_.Read(rs.Float(k));
    ++s_.Counters[kCountRotScale];
}

void Walker::ReadDescriptor(int mesh) {
    const int r = NextRecord(kCountDescriptors, kMaxDescriptors, FullTable::TCB);
    if (r < 0) return;
    auto& d = s_.tcb[r];
    d.Mesh = mesh;
    // Header and payload are read as one 96-byte run.
    ReadHeader(d);
    cur_.Read(d.Mesh_Type);
    cur_.Read(d.N2);
    for (float* v : {d.HZ_Span, d.HZ_Centre, d.HZ_Min, d.HZ_Max})
        for (int k = 0; k < 3; ++k) cur_.Read(v[k]);
    cur_.Read(d.Group_ID);
    for (int k = 0; k < 3; ++k) cur_.Read(d.Target[k]);
    d.Data_Offset = Convert(d.Data_Offset);
    ++s_.Counters[kCountDescriptors];
}

// Vertices, texture vertices and normals: Count records of floats directly after the header.
template <class Record, size_t N>
void Walker::ReadElementBlock(Table<Record, kMaxVertexBlocks>& table, Counter c, FullTable t, int mesh,
                              std::array<float (Record::*)[kMaxElements], N> planes) {
    const int r = NextRecord(c, kMaxVertexBlocks, t);
    if (r < 0) return;
    auto& block = table[r];
    block.Mesh = mesh;
    ReadHeader(block);
    block.Data_Offset = Convert(block.Data_Offset);
    const int n = Fit(block.Count, kMaxElements, LoadProblem::kElementsFull);
    std::array<float*, N> out;
    for (size_t k = 0; k < N; ++k) out[k] = block.*planes[k];
    cur_.ReadPlanes(out, n);
    ++s_.Counters[c];
}

void Walker::ReadVertices(int mesh) {
    ReadElementBlock<VertexRecord, 3>(s_.tvx, kCountVertices, FullTable::TVX, mesh,
                                      {&VertexRecord::X, &VertexRecord::Y, &VertexRecord::Z});
}

void Walker::ReadTexVertices(int mesh) {
    ReadElementBlock<TexVertexRecord, 2>(s_.ttvx, kCountTexVertices, FullTable::TTVX, mesh,
                                         {&TexVertexRecord::U, &TexVertexRecord::V});
}

void Walker::ReadNormals(int mesh) {
    ReadElementBlock<NormalRecord, 3>(s_.ttvn, kCountNormals, FullTable::TTVN, mesh,
                                      {&NormalRecord::X, &NormalRecord::Y, &NormalRecord::Z});
}

void Walker::ReadNode(int mesh) {
    // The node takes its record before any child is read, so nested nodes take later records.
    const int r = NextRecord(kCountNodes, kMaxNodes, FullTable::TTMIH);
    if (r < 0) return;
    ++s_.Counters[kCountNodes];
    auto& node = s_.ttmih[r];
    const int32_t start = static_cast<int32_t>(cur_.Pos());
    node.Mesh = mesh;
    ReadHeader(node);
    node.Jump_List_Offset = Convert(node.Jump_List_Offset);
    cur_.Seek(node.Jump_List_Offset);
    const int n = Fit(node.Num_Jumps, kMaxNodeChildren, LoadProblem::kJumpListFull);
    int32_t raw[kMaxNodeChildren] = {};
    ReadJumpList(n, node.Jumps, raw, /*convert_all=*/false);
    active_.push_back(start);
    for (int k = 0; k < n; ++k)
        if (raw[k] != 0) FollowChild(node.Jumps[k], mesh);
    active_.pop_back();
}

void Walker::ReadLodSet(int mesh) {
    const int r = NextRecord(kCountLodSets, kMaxLodSets, FullTable::TTMDH);
    if (r < 0) return;
    ++s_.Counters[kCountLodSets];
    auto& lod = s_.ttmdh[r];
    lod.Mesh = mesh;
    ReadHeader(lod);
    lod.Jump_List_Offset = Convert(lod.Jump_List_Offset);
    lod.Data_Offset = Convert(lod.Data_Offset);
    const int n = Fit(lod.Num_Jumps, kMaxLods, LoadProblem::kJumpListFull);
    cur_.Seek(lod.Data_Offset);
    for (int k = 0; k < n; ++k) cur_.Read(lod.Distance[k]);
    // Summary distances: the last one-, two- and three-LOD set of the file decides each.
    if (lod.Num_Jumps == 1) s_.Dist_1 = lod.Distance[0];
    if (lod.Num_Jumps == 2) s_.Dist_2 = lod.Distance[1];
    if (lod.Num_Jumps == 3) s_.Dist_3 = lod.Distance[2];
    cur_.Seek(lod.Jump_List_Offset);
    int32_t raw[kMaxLods] = {};
    ReadJumpList(n, lod.Jumps, raw, /*convert_all=*/false);
    for (int j = 0; j < n; ++j) {
        if (!Followable(raw[j], lod.Jumps[j])) continue;
        if (NextRecord(kCountFaceLists, kMaxFaceLists, FullTable::TTMFH) < 0) return;
        if (j <= 3) {
            current_lod_ = j;
            if (lod_seen_[j] == 0) sinks_.resolutions.AddLine(std::to_string(j));
            ++lod_seen_[j];
        } else {
            current_lod_ = 3;
        }
        ReadFaceList(mesh, lod.Jumps[j]);
    }
}

void Walker::ReadFaceList(int mesh, int32_t pos) {
    auto& f = s_.ttmfh[s_.Counters[kCountFaceLists]];
    f.Mesh = mesh;
    cur_.Seek(pos);
    ReadHeader(f);
    if (f.Jump_List_Offset != 0) f.Jump_List_Offset = Convert(f.Jump_List_Offset);
    cur_.Seek(f.Jump_List_Offset);
    const int n = Fit(f.Num_Jumps, kMaxLods, LoadProblem::kJumpListFull);
    int32_t raw[kMaxLods] = {};
    ReadJumpList(n, f.Jumps, raw, /*convert_all=*/false);
    pending_flag_ = false;
    for (int l = 0; l < n; ++l) {
        if (!Followable(raw[l], f.Jumps[l])) continue;
        cur_.Seek(f.Jumps[l]);
        Peek();
        pending_count_ = 0;
        switch (s_.txw.Peek[1]) {
            case kTexture:
                f.Child_Type[l] = kTexture;
                if (ReadTextureCounted()) pending_flag_ = true;
                break;
            case kFaceData: {
                f.Child_Type[l] = kFaceData;
                const int d = NextRecord(kCountFaceData, kMaxFaceData, FullTable::TTFD);
                if (d < 0) break;
                auto& rec = s_.ttfd[d];
                ReadFaceData(rec, mesh);
                // Without a texture, reference or group before it, the record is filled but the
                // counter waits, so the next face-data block of the file takes the same record.
                if (pending_flag_) {
                    for (int t = 0; t < kMaxPendingNames; ++t) {
                        rec.Tex_Names[t] = pending_[t];
                        pending_[t].clear();
                    }
                    ++s_.Counters[kCountFaceData];
                    pending_flag_ = false;
                }
                break;
            }
            case kTextureGroup:
                f.Child_Type[l] = kTextureGroup;
                if (NextRecord(kCountTextureGroups, kMaxTextureGroups, FullTable::Groups) < 0) break;
                ReadGroup();
                pending_flag_ = true;
                break;
            case kTextureRef:
                f.Child_Type[l] = kTextureRef;
                if (ReadReferenceCounted()) pending_flag_ = true;
                break;
            default: break;
        }
    }
    ++s_.Counters[kCountFaceLists];
}

void Walker::ReadFaceData(FaceDataRecord& d, int mesh) {
    d.Mesh = mesh;
    d.LOD = current_lod_;
    ReadHeader(d);
    d.Data_Offset = Convert(d.Data_Offset);
    cur_.Seek(d.Data_Offset);
    cur_.Read(d.Edges);
    const int64_t faces = d.Count;
    const int n = Fit(d.Count, kMaxFaces, LoadProblem::kElementsFull);
    // Face records (16 indices), then all face normals (3 floats), then all mapping records (6 floats).
    const int64_t base = int64_t{d.Data_Offset} + 4;
    if (const uint8_t* run = cur_.Run(base, 100 * faces)) {
        DecodeFaces(d, n, run, run + 64 * faces, run + 76 * faces);
        cur_.Seek(base + 100 * faces);
        return;
    }
    // The file ends inside the block: field by field, keeping what is not in the file.
    for (int i = 0; i < n; ++i) {
        for (int g = 0; g < 4; ++g) {
            for (int k = 0; k < 4; ++k) cur_.Read(d.Index(g, k)[i]);
            if (d.Index(g, 3)[i] == -1) d.Quad[g][i] = 0;
        }
    }
    cur_.Seek(base + 64 * faces);
    for (int i = 0; i < n; ++i) {
        cur_.Read(d.Normal_I[i]);
        cur_.Read(d.Normal_J[i]);
        cur_.Read(d.Normal_K[i]);
    }
    cur_.Seek(base + 76 * faces);
    for (int i = 0; i < n; ++i)
        for (auto& f : d.F) cur_.Read(f[i]);
}

void Walker::DecodeFaces(FaceDataRecord& d, int n, const uint8_t* records, const uint8_t* normals,
                         const uint8_t* mapping) {
    auto real = [](const uint8_t* p) { return std::bit_cast<float>(FileCursor::Load32(p)); };
    for (int i = 0; i < n; ++i, records += 64) {
        for (int g = 0; g < 4; ++g) {
            for (int k = 0; k < 4; ++k) d.Index(g, k)[i] = static_cast<int32_t>(FileCursor::Load32(records + 16 * g + 4 * k));
            if (d.Index(g, 3)[i] == -1) d.Quad[g][i] = 0;
        }
    }
    for (int i = 0; i < n; ++i, normals += 12) {
        d.Normal_I[i] = real(normals);
        d.Normal_J[i] = real(normals + 4);
        d.Normal_K[i] = real(normals + 8);
    }
    for (int i = 0; i < n; ++i, mapping += 24)
        for (int k = 0; k < 6; ++k) d.F[k][i] = real(mapping + 4 * k);
}

bool Walker::ReadTextureCounted() {
    const int x = NextRecord(kCountTextures, kMaxTextures, FullTable::Textures);
    if (x < 0) return false;
    ReadTexture(s_.ttx.Textures[x], x);
    ++s_.Counters[kCountTextures];
    return true;
}

void Walker::ReadTexture(TextureRecord& x, int32_t index) {
    auto& ttx = s_.ttx;
    ReadHeader(x);
    x.Lead = Convert(x.Lead);
    x.Data_Offset = Convert(x.Data_Offset);
    cur_.Seek(x.Lead);
    cur_.ReadBytes(x.Name.data(), x.Name.size());
    const std::string name = TextureName(x);

    const bool listed = sinks_.textures.Contains(name);
    if (!listed) sinks_.textures.AddLine(name);
    if (!listed && std::find(std::begin(ttx.Unique_Names), std::end(ttx.Unique_Names), name) ==
                       std::end(ttx.Unique_Names)) {
        if (s_.Unique_Count < kMaxUniqueNames) {
            ttx.Unique_Names[s_.Unique_Count] = name;
            ttx.Texture_Index[s_.Unique_Count] = index;
            ++s_.Unique_Count;
        } else {
            warn_.NoteFull(FullTable::Unique_Names);
        }
    }
    AddPending(name);

    cur_.Read(x.Palette_Offset);
    x.Palette_Offset = Convert(x.Palette_Offset);
    cur_.Read(x.Tex_Spare_1);
    cur_.Read(x.Size);
    cur_.Read(x.Tex_Spare_2);
    cur_.Read(x.Width);
    cur_.Read(x.Height);
    cur_.Seek(int64_t{x.Palette_Offset} + kPaletteBlockSkip);

    if (index == 0) {
        ReadPalettes(0);
        s_.Palette_Slots[0] = x.Palette_Offset;
    }
    int found = -1;
    int free_slot = -1;
    for (int k = 0; k < kPaletteSlots; ++k) {
        if (s_.Palette_Slots[k] == x.Palette_Offset) found = k;
        if (s_.Palette_Slots[k] == 0) {
            free_slot = k;
            break;
        }
    }
    int set = s_.Current_Palette_Set;
    if (found >= 0) {
        set = found;
    } else if (free_slot >= 1) {
        ReadPalettes(free_slot);
        s_.Palette_Slots[free_slot] = x.Palette_Offset;
        set = free_slot;
    } else if (free_slot < 0) {
        // All eight slots hold other palette blocks: this texture shows with the file's first one.
        warn_.Note(LoadProblem::kPaletteSlotsFull);
        set = 0;
    }
    x.Palette_Set = s_.Current_Palette_Set = set;
}

void Walker::ReadPalettes(int slot) {
    constexpr int64_t kBytes = int64_t{kPalettesPerSlot} * kPaletteEntries * 2;
    const uint8_t* run = cur_.Run(cur_.Pos(), kBytes);
    for (int p = slot * kPalettesPerSlot; p < (slot + 1) * kPalettesPerSlot; ++p) {
        for (int e = 0; e < kPaletteEntries; ++e) {
            uint8_t b[2];
            if (run != nullptr) {
                b[0] = *run++;
                b[1] = *run++;
            } else if (cur_.ReadBytes(b, 2) < 2) {
                continue;  // an entry not in the file keeps its colour
            }
            const uint8_t lo = b[0], hi = b[1];
            s_.Palettes[p][0][e] = static_cast<uint8_t>((hi >> 3) * 8);
            s_.Palettes[p][1][e] = static_cast<uint8_t>((((hi & 7) * 8) + (lo >> 5)) * 4);
            s_.Palettes[p][2][e] = static_cast<uint8_t>((lo & 31) * 8);
        }
    }
    if (run != nullptr) cur_.Seek(cur_.Pos() + kBytes);
}

void Walker::ReadGroup() {
    auto& g = s_.ttx.Groups[s_.Counters[kCountTextureGroups]];
    ++s_.Counters[kCountTextureGroups];
    ReadHeader(g);
    g.Jump_List_Offset = Convert(g.Jump_List_Offset);
    cur_.Seek(g.Jump_List_Offset);
    const int n = Fit(g.Num_Jumps, kMaxGroupChildren, LoadProblem::kJumpListFull);
    int32_t raw[kMaxGroupChildren] = {};
    ReadJumpList(n, g.Jumps, raw, /*convert_all=*/true);
    // The pending count is not reset between children: each texture or reference adds one name.
    for (int k = 0; k < n; ++k) {
        if (!Followable(raw[k], g.Jumps[k])) continue;
        cur_.Seek(g.Jumps[k]);
        Peek();
        if (s_.txw.IsBlock(kTexture)) ReadTextureCounted();
        else if (s_.txw.IsBlock(kTextureRef)) ReadReferenceCounted();
    }
}

bool Walker::ReadReferenceCounted() {
    const int r = NextRecord(kCountTextureRefs, kMaxTextureRefs, FullTable::Refs);
    if (r < 0) return false;
    auto& ref = s_.ttx.Refs[r];
    ReadHeader(ref);
    ref.Data_Offset = Convert(ref.Data_Offset);
    cur_.Seek(ref.Data_Offset);
    cur_.ReadBytes(ref.Name.data(), ref.Name.size());
    AddPending(ReferenceName(ref));
    ++s_.Counters[kCountTextureRefs];
    return true;
}

void Walker::AddPending(const std::string& name) {
    if (pending_count_ >= kMaxPendingNames) {
        warn_.Note(LoadProblem::kPendingNamesFull);
        return;
    }
    pending_[pending_count_++] = name;
}

}  // namespace

std::vector<uint8_t> ReadWholeFile(const std::string& path) {
    const std::string message = "Cannot open file " + path;
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) throw OptError(message);
    std::ifstream in(path, std::ios::binary);
    if (!in) throw OptError(message);
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0) throw OptError(message);
    in.seekg(0, std::ios::beg);
    // Positions in the file are 32-bit: nothing past 2 GiB can be reached.
    const auto keep = static_cast<size_t>(std::min<std::streamoff>(size, INT32_MAX));
    std::vector<uint8_t> bytes(keep);
    if (keep > 0 && !in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(keep)))
        throw OptError(message);
    return bytes;
}

namespace {
void Walk(ModelStore& store, std::span<const uint8_t> bytes, ReaderSinks sinks) {
    Walker walker(store, bytes, sinks);
    walker.Run();
}
}  // namespace

void Load(ModelStore& store, const std::string& path, ReaderSinks sinks) {
    store.ClearTables();
    const auto bytes = ReadWholeFile(path);
    Walk(store, bytes, sinks);
}

void LoadBytes(ModelStore& store, std::span<const uint8_t> bytes, ReaderSinks sinks) {
    store.ClearTables();
    Walk(store, bytes, sinks);
}

}  // namespace opt
