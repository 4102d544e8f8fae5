// The store as the exporters and the hit zones read it: loaded records of each table and the records
// of one mesh.
// Every count comes from the store (block counters, Count words, array sizes), never from a fixed
// capacity, so tables of other sizes need no change here.
#pragma once

#include <cstdint>
#include <iterator>
#include <span>
#include <unordered_map>

#include "model/store.h"

namespace opt {

// Elements a block holds: its Count within the size of its arrays.
template <class Record>
int StoredElements(const Record& r) {
    return Clamped(r.Count, static_cast<int>(std::size(r.X)));
}
inline int StoredElements(const TexVertexRecord& r) {
    return Clamped(r.Count, static_cast<int>(std::size(r.U)));
}

// The vertex, texture-vertex and normal records of one mesh (null where the mesh has none).
struct MeshRecords {
    const VertexRecord* Vertices = nullptr;
    const TexVertexRecord* TexVertices = nullptr;
    const NormalRecord* Normals = nullptr;
};

class StoreRecords {
public:
    explicit StoreRecords(const ModelStore& store);

    // The records the reader filled, in reading order.
    std::span<const HardpointRecord> Hardpoints() const { return Loaded(store_.ttbh, kCountHardpoints); }
    // Every face-data slot (consumers test Count and the face's first vertex index).
    std::span<const FaceDataRecord> FaceData() const { return store_.ttfd.Entries; }

    // The first record of each kind found under mesh m.
    MeshRecords Records(int32_t mesh) const;
    const DescriptorRecord* Descriptor(int32_t mesh) const { return Find(descriptors_, mesh); }
    const RotScaleRecord* RotScale(int32_t mesh) const { return Find(rotScales_, mesh); }

private:
    template <class Record, int N>
    std::span<const Record> Loaded(const Table<Record, N>& table, Counter c) const {
        return {table.Entries.data(), static_cast<size_t>(Clamped(store_.Counters[c], table.Size()))};
    }
    template <class Record>
    static const Record* Find(const std::unordered_map<int32_t, const Record*>& byMesh, int32_t mesh) {
        const auto it = byMesh.find(mesh);
        return it == byMesh.end() ? nullptr : it->second;
    }
    // Records of a table by mesh, the first of each mesh kept.
    template <class Record>
    static std::unordered_map<int32_t, const Record*> ByMesh(std::span<const Record> records) {
        std::unordered_map<int32_t, const Record*> out;
        for (const Record& r : records) out.emplace(r.Mesh, &r);
        return out;
    }

    const ModelStore& store_;
    std::unordered_map<int32_t, const VertexRecord*> vertices_;
    std::unordered_map<int32_t, const TexVertexRecord*> texVertices_;
    std::unordered_map<int32_t, const NormalRecord*> normals_;
    std::unordered_map<int32_t, const DescriptorRecord*> descriptors_;
    std::unordered_map<int32_t, const RotScaleRecord*> rotScales_;
};

}  // namespace opt
