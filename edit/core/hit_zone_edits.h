// The hit-zone buttons as edits (zedaruz-cli hitzones --write, --zero, --copy-centres): every mesh
// descriptor written with the boxes (WriteHZ), or with the spans and centres and zero corners
// (Write HZ 0's), or the centres copied into the rotation/scale blocks of the same numbers.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "edit/core/edit_plan.h"
#include "model/store.h"

namespace opt {

// What the hit-zone button says before it computes the boxes.
inline constexpr const char* kHitZoneWarning =
    " Make sure you have a copy of file before writing there is no undo feature for hitzones";

enum class HitZoneAction { Write, Zero, CopyCentres };

struct HitZoneEdit {
    HitZoneAction Action = HitZoneAction::Write;
    // The level whose faces give the boxes, computed before the action; none: the boxes the model's
    // descriptors hold (the window computes them into its model to show them, or the file had them).
    std::optional<int32_t> Level = 0;
};

// Write and Zero: 96 bytes at Data_Offset - 24 for every descriptor (Zero: HZ_Min and HZ_Max of
// every record become 0 once written); nothing to write when the model holds no descriptor.
// CopyCentres: each descriptor's HZ_Centre into the first three floats of the rotation/scale block
// of the same number (72 bytes at its Data_Offset - 24); nothing to write when no pair exists.
// (Records of one block that hold different values are refused when the plan is applied.)
EditPlan PlanHitZones(const ModelStore& model, const HitZoneEdit& edit, const std::string& file);

// The table indices k where TCB entry k is a descriptor (Type 25) and TRSH entry k a rotation/scale
// block (Type 23): the pairs whose centres are copied.
std::vector<int> CentrePairs(const TCB& tcb, const TRSH& trsh);

}  // namespace opt
