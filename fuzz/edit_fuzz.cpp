// libFuzzer target: the edits planned against whatever tables the reader kept from arbitrary bytes,
// checked against the file image in memory; nothing is written to disk. A plan may refuse (records
// of one block read from different bytes); what it plans must hold:
//  - A hardpoint, rotation/scale or descriptor field set to the value it holds: a run the patcher
//    would accept (inside the file, the block's header there) is the very bytes the file holds
//    (descriptors: their header part, see below), so writing it changes nothing the reader did not
//    read.
//  - A LOD distance: a run the patcher would accept differs from the file only in the distance set.
//  - The hit-zone writes at the level the input names: a run the patcher would accept keeps the
//    block's header bytes (no edit changes a header word).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "edit/core/edits.h"
#include "fuzz/fuzz_support.h"
#include "model/errors.h"

namespace {

const std::string kFile = "fuzz.opt";

// The patcher's acceptance rule, on the image: the run lies wholly inside the file and its kept
// leading bytes (the block's header) are already there.
bool Accepted(std::span<const uint8_t> image, const opt::PatchWrite& w) {
    const auto size = static_cast<int64_t>(w.Bytes.size());
    if (w.Position < 0 || w.Position > int64_t(image.size()) - size || w.Kept > w.Bytes.size()) return false;
    return std::equal(w.Bytes.begin(), w.Bytes.begin() + w.Kept, image.begin() + w.Position);
}

// The first `compared` bytes of each accepted run (all by default) are the file's bytes.
void RequireNoChange(std::span<const uint8_t> image, const opt::EditPlan& plan, size_t compared = SIZE_MAX) {
    for (const auto& w : plan.Writes) {
        if (!Accepted(image, w)) continue;
        const size_t n = std::min(compared, w.Bytes.size());
        fuzz::Require(std::equal(w.Bytes.begin(), w.Bytes.begin() + n, image.begin() + w.Position),
                      "an unedited record's run is the file's bytes");
    }
}

// The edit's plan, or nothing when it is refused with a message.
std::optional<opt::EditPlan> Planned(const opt::ModelStore& model, const opt::Edit& edit) {
    try {
        return opt::PlanEdit(model, edit, {kFile, "", true, nullptr});
    } catch (const opt::OptError&) {
        return std::nullopt;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> image(data, size);
    const opt::ModelStore& store = fuzz::LoadInput(image);

    for (int k = 0; k < fuzz::Kept(store, opt::kCountHardpoints, store.ttbh.Size()); ++k)
        if (auto plan = Planned(store, opt::HardpointFieldEdit{k, opt::HardpointField::X, store.ttbh[k].X}))
            RequireNoChange(image, *plan);
    for (int k = 0; k < fuzz::Kept(store, opt::kCountRotScale, store.trsh.Size()); ++k)
        if (auto plan = Planned(store, opt::RotScaleFloatEdit{k, 0, store.trsh[k].Centre[0]}))
            RequireNoChange(image, *plan);
    // A descriptor's payload is read right after its header but written at Data_Offset. In a crafted
    // file two descriptor headers can share one Data_Offset while holding different data; the editors
    // refuse to edit such records (their runs disagree), so only the header part of each run is
    // compared here.
    for (int k = 0; k < fuzz::Kept(store, opt::kCountDescriptors, store.tcb.Size()); ++k) {
        const opt::DescriptorFieldEdit edit{k, opt::DescriptorField::Group, 0, store.tcb[k].Group_ID};
        if (auto plan = Planned(store, edit)) RequireNoChange(image, *plan, opt::kHeaderBytes);
    }

    // A LOD distance, chosen and valued by the input: only its four bytes of each set may differ.
    const int distance = size > 1 ? data[1] % opt::kEditableLodDistances : 0;
    if (auto plan = Planned(store, opt::LodDistanceEdit{distance, 1234.5f})) {
        for (const auto& w : plan->Writes) {
            if (!Accepted(image, w)) continue;
            for (size_t i = 0; i < w.Bytes.size(); ++i)
                fuzz::Require(i / 4 == size_t(distance) || w.Bytes[i] == image[size_t(w.Position) + i],
                              "a LOD distance edit changes only that distance");
        }
    }

    // Hit zones, at the level the input names: the writes change payloads only.
    const int32_t level = size > 0 ? data[0] % 5 : 0;
    for (const auto action :
         {opt::HitZoneAction::Write, opt::HitZoneAction::Zero, opt::HitZoneAction::CopyCentres})
        if (auto plan = Planned(store, opt::HitZoneEdit{action, level}))
            RequireNoChange(image, *plan, opt::kHeaderBytes);
    for (int k : opt::CentrePairs(store.tcb, store.trsh))
        fuzz::Require(store.tcb.InRange(k) && store.trsh.InRange(k), "centre pairs name table entries");
    return 0;
}
