#include "edit/core/block_runs.h"

#include "model/bytes.h"

namespace opt {

namespace {

// Adds with 32-bit wrap-around, as the stored form is a 32-bit word.
int32_t Stored(int32_t position, int32_t mainOffset) {
    return static_cast<int32_t>(static_cast<uint32_t>(position) + static_cast<uint32_t>(mainOffset));
}

class RunWriter {
public:
    explicit RunWriter(size_t size) : bytes_(size) {}
    template <class T>
    RunWriter& Put(T v) {
        write_at<T>(bytes_, pos_, v);
        pos_ += 4;
        return *this;
    }
    RunWriter& Header(const BlockHeader& h, int32_t mainOffset) {
        return Put(h.Lead)
            .Put(h.Type)
            .Put(h.Num_Jumps)
            .Put(h.Jump_List_Offset)
            .Put(h.Count)
            .Put(Stored(h.Data_Offset, mainOffset));
    }
    RunWriter& Floats(const float* v, int n) {
        for (int k = 0; k < n; ++k) Put(v[k]);
        return *this;
    }
    std::vector<uint8_t> Done() { return std::move(bytes_); }

private:
    std::vector<uint8_t> bytes_;
    int64_t pos_ = 0;
};

PatchWrite HeaderPatch(std::string block, const BlockHeader& h, std::vector<uint8_t> run) {
    PatchWrite w;
    w.Block = std::move(block);
    w.Position = int64_t{h.Data_Offset} - kHeaderBytes;
    w.Kept = kHeaderBytes;  // no editor changes a header word
    w.Bytes = std::move(run);
    return w;
}

}  // namespace

std::vector<uint8_t> StoredHeader(const BlockHeader& h, int32_t mainOffset) {
    return RunWriter(kHeaderBytes).Header(h, mainOffset).Done();
}

std::vector<uint8_t> HardpointRun(const HardpointRecord& r, int32_t mainOffset) {
    return RunWriter(kHardpointRunBytes)
        .Header(r, mainOffset)
        .Put(r.HP_Type)
        .Put(r.X)
        .Put(r.Y)
        .Put(r.Z)
        .Done();
}

std::vector<uint8_t> RotScaleRun(const RotScaleRecord& r, int32_t mainOffset) {
    RunWriter w(kRotScaleRunBytes);
    w.Header(r, mainOffset);
    for (int k = 0; k < 12; ++k) w.Put(r.Float(k));
    return w.Done();
}

std::vector<uint8_t> DescriptorRun(const DescriptorRecord& r, int32_t mainOffset) {
    RunWriter w(kDescriptorRunBytes);
    w.Header(r, mainOffset).Put(r.Mesh_Type).Put(r.N2);
    for (const float* v : {r.HZ_Span, r.HZ_Centre, r.HZ_Min, r.HZ_Max}) w.Floats(v, 3);
    return w.Put(r.Group_ID).Floats(r.Target, 3).Done();
}

std::vector<uint8_t> FloatRun(std::span<const float> values) {
    RunWriter w(values.size() * 4);
    for (float v : values) w.Put(v);
    return w.Done();
}

PatchWrite HardpointPatch(int index, const HardpointRecord& r, int32_t mainOffset) {
    return HeaderPatch("hardpoint " + std::to_string(index), r, HardpointRun(r, mainOffset));
}

PatchWrite RotScalePatch(int index, const RotScaleRecord& r, int32_t mainOffset) {
    return HeaderPatch("rotation/scale block " + std::to_string(index), r, RotScaleRun(r, mainOffset));
}

PatchWrite DescriptorPatch(int index, const DescriptorRecord& r, int32_t mainOffset) {
    return HeaderPatch("mesh descriptor " + std::to_string(index), r, DescriptorRun(r, mainOffset));
}

std::vector<PatchWrite> DescriptorPatches(const TCB& tcb, int32_t mainOffset) {
    std::vector<PatchWrite> writes;
    for (int k = 0; k < tcb.Size(); ++k)
        if (tcb[k].Type == kMeshDescriptor) writes.push_back(DescriptorPatch(k, tcb[k], mainOffset));
    return writes;
}

int LodDistanceCount(const LodSetRecord& r) { return Clamped(r.Num_Jumps, kMaxLods); }

PatchWrite LodDistancePatch(int index, const LodSetRecord& r) {
    const auto n = static_cast<size_t>(LodDistanceCount(r));
    PatchWrite w;
    w.Block = "the distances of LOD set " + std::to_string(index);
    w.Position = r.Data_Offset;
    w.Bytes = FloatRun(std::span<const float>(r.Distance, n));
    return w;
}

}  // namespace opt
