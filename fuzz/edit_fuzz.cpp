// libFuzzer target: the editors' computations on whatever tables the reader kept from arbitrary
// bytes, checked against the file image in memory; nothing is written to disk.
//  - The run of every hardpoint, rotation/scale block, mesh descriptor and LOD set: a run the
//    patcher would accept (inside the file, expected bytes there) must, for an unedited record, be
//    the very bytes the file holds there (descriptors: their header part, see below), so writing it
//    changes nothing the reader did not read.
//  - The hit-zone computation over the model's faces, then the descriptor runs it leads to: a run
//    the patcher would accept keeps the block's header bytes (no editor changes a header word).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "edit/core/block_runs.h"
#include "edit/core/hit_zone_writes.h"
#include "edit/core/hit_zones.h"
#include "fuzz/fuzz_support.h"

namespace {

// The patcher's acceptance rule, on the image: the run lies wholly inside the file and its kept
// leading bytes (the block's header) are already there.
bool Accepted(std::span<const uint8_t> image, const opt::PatchWrite& w) {
    const auto size = static_cast<int64_t>(w.Bytes.size());
    if (w.Position < 0 || w.Position > int64_t(image.size()) - size || w.Kept > w.Bytes.size()) return false;
    return std::equal(w.Bytes.begin(), w.Bytes.begin() + w.Kept, image.begin() + w.Position);
}

// The first `compared` bytes of the run (all by default) of an unedited record are the file's bytes.
void RequireNoChange(std::span<const uint8_t> image, const opt::PatchWrite& w, size_t compared = SIZE_MAX) {
    if (!Accepted(image, w)) return;
    const size_t n = std::min(compared, w.Bytes.size());
    fuzz::Require(std::equal(w.Bytes.begin(), w.Bytes.begin() + n, image.begin() + w.Position),
                  "an unedited record's run is the file's bytes");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> image(data, size);
    auto& store = fuzz::LoadInput(image);
    const int32_t main = store.txw.Main_Offset;

    for (int k = 0; k < fuzz::Kept(store, opt::kCountHardpoints, store.ttbh.Size()); ++k)
        RequireNoChange(image, opt::HardpointPatch(k, store.ttbh[k], main));
    for (int k = 0; k < fuzz::Kept(store, opt::kCountRotScale, store.trsh.Size()); ++k)
        RequireNoChange(image, opt::RotScalePatch(k, store.trsh[k], main));
    // A descriptor's payload is read right after its header but written at Data_Offset. In a crafted
    // file two descriptor headers can share one Data_Offset while holding different data; the editors
    // refuse to edit such records (their runs disagree), so only the header part of each run is
    // compared here.
    for (const auto& w : opt::DescriptorPatches(store.tcb, main))
        RequireNoChange(image, w, opt::kHeaderBytes);
    for (int k = 0; k < fuzz::Kept(store, opt::kCountLodSets, store.ttmdh.Size()); ++k)
        RequireNoChange(image, opt::LodDistancePatch(k, store.ttmdh[k]));

    // Hit zones, at the level the input names.
    opt::ComputeHitZones(store, size > 0 ? data[0] % 5 : 0);
    // The hit-zone writes change payloads only: their header part is the file's bytes.
    for (const auto& w : opt::DescriptorPatches(store.tcb, main))
        RequireNoChange(image, w, opt::kHeaderBytes);
    for (int k : opt::CentrePairs(store.tcb, store.trsh))
        fuzz::Require(store.tcb.InRange(k) && store.trsh.InRange(k), "centre pairs name table entries");
    return 0;
}
