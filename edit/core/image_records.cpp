#include "edit/core/image_records.h"

#include "model/bytes.h"

namespace opt {

namespace {

// Reads consecutive 32-bit words of the image from a record's payload; a word outside the image
// leaves its field as it is.
class PayloadReader {
public:
    PayloadReader(std::span<const uint8_t> image, int64_t pos) : image_(image), pos_(pos) {}
    template <class T>
    PayloadReader& Get(T& v) {
        if (auto read = read_at<T>(image_, pos_)) v = *read;
        pos_ += 4;
        return *this;
    }
    PayloadReader& Floats(float* v, int n) {
        for (int k = 0; k < n; ++k) Get(v[k]);
        return *this;
    }

private:
    std::span<const uint8_t> image_;
    int64_t pos_;
};

bool Touched(std::span<const PatchWrite> writes, int64_t pos, int64_t size) {
    for (const auto& w : writes)
        if (w.Position < pos + size && pos < w.Position + static_cast<int64_t>(w.Bytes.size())) return true;
    return false;
}

// Each record of the table whose payload (payloadBytes from Data_Offset) the writes touch is read
// again by read(reader, record).
template <class Table, class Size, class Read>
void Restore(Table& table, std::span<const uint8_t> image, std::span<const PatchWrite> writes,
             Size payloadBytes, Read read) {
    for (int k = 0; k < table.Size(); ++k) {
        auto& r = table[k];
        if (r.Data_Offset == 0 || !Touched(writes, r.Data_Offset, payloadBytes(r))) continue;
        PayloadReader reader(image, r.Data_Offset);
        read(reader, r);
    }
}

}  // namespace

void RestoreFromImage(ModelStore& store, std::span<const PatchWrite> writes) {
    const std::span<const uint8_t> image = store.File_Image;
    Restore(
        store.ttbh, image, writes,
        [](const HardpointRecord&) -> int64_t { return kHardpointRunBytes - kHeaderBytes; },
        [](PayloadReader& in, HardpointRecord& r) { in.Get(r.HP_Type).Get(r.X).Get(r.Y).Get(r.Z); });
    Restore(
        store.trsh, image, writes,
        [](const RotScaleRecord&) -> int64_t { return kRotScaleRunBytes - kHeaderBytes; },
        [](PayloadReader& in, RotScaleRecord& r) {
            for (int k = 0; k < 12; ++k) in.Get(r.Float(k));
        });
    Restore(
        store.tcb, image, writes,
        [](const DescriptorRecord&) -> int64_t { return kDescriptorRunBytes - kHeaderBytes; },
        [](PayloadReader& in, DescriptorRecord& r) {
            in.Get(r.Mesh_Type).Get(r.N2);
            for (float* v : {r.HZ_Span, r.HZ_Centre, r.HZ_Min, r.HZ_Max}) in.Floats(v, 3);
            in.Get(r.Group_ID).Floats(r.Target, 3);
        });
    Restore(
        store.ttmdh, image, writes,
        [](const LodSetRecord& r) -> int64_t { return int64_t{4} * Clamped(r.Num_Jumps, kMaxLods); },
        [](PayloadReader& in, LodSetRecord& r) { in.Floats(r.Distance, Clamped(r.Num_Jumps, kMaxLods)); });
}

}  // namespace opt
