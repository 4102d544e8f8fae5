// The walker behind the reader: the state of one walk over an OPT file and its block handlers.
// Internal to model/: the reader's files share it; nothing else includes it.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "model/file_cursor.h"
#include "model/load_warnings.h"
#include "model/reader.h"
#include "model/store.h"

namespace opt::walk {

// Offsets are 32-bit in the file; conversions wrap as the format's 32-bit arithmetic does.
inline int32_t Wrap(int64_t v) { return static_cast<int32_t>(static_cast<uint32_t>(v)); }

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
    static void SetQuad(FaceDataRecord& d, int group, int face);
    static void DecodeFaces(FaceDataRecord& d, int n, const uint8_t* records, const uint8_t* normals,
                            const uint8_t* mapping);
    void ReadTextureCounted();
    void ReadTexture(TextureRecord& x, int32_t index);
    void ReadPalettes(int slot);
    void ReadGroup();
    void ReadReferenceCounted();
    void AddPending(const std::string& name);

    ModelStore& s_;
    FileCursor cur_;
    ReaderSinks sinks_;
    LoadWarnings warn_;

    std::string pending_[kMaxPendingNames];
    int pending_count_ = 0;
    bool pending_flag_ = false;
    int32_t waiting_block_ = -1;  // position of the face-data block whose record waits to be replaced
    int current_lod_ = 0;
    int lod_seen_[4] = {};
    std::vector<int32_t> active_;  // block positions of the mesh and nodes being read
};

}  // namespace opt::walk
