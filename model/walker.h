// The walker behind the reader: the state of one walk over an OPT file and its block handlers.
// Internal to model/: the reader's files share it; nothing else includes it.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <type_traits>
#include <unordered_set>
#include <vector>

#include "model/file_cursor.h"
#include "model/load_warnings.h"
#include "model/reader.h"
#include "model/store.h"

namespace opt::walk {

// Memory of one face slot of a face-data record: 16 indices, the normal, f0..f5, the 4 quad flags.
inline constexpr int kFaceSlotBytes = 16 * 4 + 3 * 4 + 6 * 4 + 4;
// File bytes of one face: its 16 indices, its normal and its 6 mapping floats.
inline constexpr int kFaceFileBytes = 100;

// Offsets are 32-bit in the file; conversions wrap as the format's 32-bit arithmetic does.
inline int32_t Wrap(int64_t v) { return static_cast<int32_t>(static_cast<uint32_t>(v)); }

class Walker {
public:
    Walker(ModelStore& store, std::span<const uint8_t> bytes)
        : s_(store),
          cur_(bytes),
          limits_(store.Limits),
          warn_(store.Limits),
          budget_(2 * static_cast<int64_t>(bytes.size()) + kBudgetBase),
          visits_(std::max<int64_t>(kVisitBase, static_cast<int64_t>(bytes.size()) / 4)) {}

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
    // Index of the next record of a table part, growing the table by one record where the limits and
    // the memory budget allow; -1 (with a warning) when the table is full.
    template <class Table>
    int NextRecord(Counter c, Table& table, FullTable kind);
    // How many entries of a stored count fit a table of the given capacity.
    int Fit(int32_t count, int capacity, LoadProblem overflow);
    // Slots a block of `count` elements gets: at least `classic`; more only as far as the limit, the
    // bytes left in the file (fileBytes per element) and the memory budget (memoryBytes per element)
    // allow. Notes why a count was cut.
    int Slots(int32_t count, int classic, int limit, int64_t fileBytes, int64_t memoryBytes);
    // Takes bytes from the memory budget a load may spend beyond the classic sizes: at most twice the
    // file plus kBudgetBase, so that no count in a damaged file makes the load allocate more than the
    // file could hold.
    bool Afford(int64_t bytes);
    // n, or what is left of the entries a load may read (with a warning when that is less).
    int TakeEntries(int n);
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
                          std::array<Plane Record::*, N> planes);
    void ReadVertices(int mesh);
    void ReadTexVertices(int mesh);
    void ReadNormals(int mesh);
    void ReadNode(int mesh);
    void ReadLodSet(int mesh);
    void ReadFaceList(int mesh, int32_t pos);
    void ReadFaceData(FaceDataRecord& d, int mesh);
    static void SetQuad(FaceDataRecord& d, int group, int face);
    static void DecodeFaces(FaceDataRecord& d, int n, const uint8_t* records, const uint8_t* normals,
                            const uint8_t* mapping);
    void ReadTextureCounted();
    void ReadTexture(TextureRecord& x, int32_t index);
    void ReadPalettes(int slot);
    void ReadGroup();
    void ReadReferenceCounted();
    void AddPending(const std::string& name);

    static constexpr int64_t kBudgetBase = int64_t{16} << 20;
    // Jump-list entries of meshes and nodes a load may read: every reference of a sound file is a
    // 4-byte entry, so a file of n bytes needs at most n / 4 (a classic load at most 2,000). A damaged
    // file that lists one node again and again under nodes that list it again stops there, instead
    // of walking, storing and listing the same entries millions of times.
    static constexpr int64_t kVisitBase = 16384;

    ModelStore& s_;
    FileCursor cur_;
    TableLimits limits_;
    LoadWarnings warn_;
    int64_t budget_;
    int64_t visits_;

    std::string pending_[kMaxPendingNames];
    int pending_count_ = 0;
    bool pending_flag_ = false;
    int32_t waiting_block_ = -1;  // position of the face-data block whose record waits to be replaced
    int current_lod_ = 0;
    int current_lod_position_ = 0;
    int lod_seen_[4] = {};
    std::vector<int32_t> active_;             // block positions of the mesh and nodes being read
    std::unordered_set<std::string> listed_;  // the names of the store's texture list
};

// Memory of one record beyond its header: the classic slots of its arrays.
template <class Record>
inline int64_t RecordBytes() {
    int64_t bytes = sizeof(Record);
    if constexpr (std::is_same_v<Record, VertexRecord> || std::is_same_v<Record, NormalRecord>)
        bytes += int64_t{3} * 4 * kMaxElements;
    if constexpr (std::is_same_v<Record, TexVertexRecord>) bytes += int64_t{2} * 4 * kMaxElements;
    if constexpr (std::is_same_v<Record, FaceDataRecord>) bytes += int64_t{kFaceSlotBytes} * kMaxFaces;
    if constexpr (std::is_same_v<Record, NodeRecord>) bytes += int64_t{4} * kMaxNodeChildren;
    return bytes;
}

template <class Table>
int Walker::NextRecord(Counter c, Table& table, FullTable kind) {
    using Record = typename decltype(table.Entries)::value_type;
    const int32_t n = s_.Counters[c];
    if (n < table.Size()) return n;
    if (n < limits_.RecordsOf(kind) && Afford(RecordBytes<Record>())) {
        table.GrowTo(n + 1);
        return n;
    }
    warn_.NoteFull(kind);
    return -1;
}

}  // namespace opt::walk
