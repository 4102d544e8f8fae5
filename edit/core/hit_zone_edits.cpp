#include "edit/core/hit_zone_edits.h"

#include "edit/core/block_runs.h"
#include "edit/core/hit_zones.h"

namespace opt {

namespace {

bool HoldsDescriptor(const TCB& tcb) {
    for (int k = 0; k < tcb.Size(); ++k)
        if (tcb[k].Type == kMeshDescriptor) return true;
    return false;
}

// The rotation/scale blocks of the pairs with the descriptors' centres.
EditPlan CopyCentres(const ModelStore& model, const TCB& boxes) {
    EditPlan plan;
    const std::vector<int> pairs = CentrePairs(boxes, model.trsh);
    if (pairs.empty()) {
        plan.NothingToWrite =
            "no mesh descriptor has a rotation/scale block of the same number to take its centre";
        return plan;
    }
    TRSH& table = plan.Tables.RotScales.emplace(model.trsh);
    for (int k : pairs) {
        RotScaleRecord& r = table[k];
        for (int i = 0; i < 3; ++i) r.Centre[i] = boxes[k].HZ_Centre[i];
        plan.Writes.push_back(RotScalePatch(k, r, model.txw.Main_Offset));
    }
    return plan;
}

}  // namespace

EditPlan PlanHitZones(const ModelStore& model, const HitZoneEdit& edit, const std::string& file) {
    TCB boxes = model.tcb;
    if (edit.Level) ComputeHitZones(model, boxes, *edit.Level);
    if (edit.Action == HitZoneAction::CopyCentres) return CopyCentres(model, boxes);
    EditPlan plan;
    if (!HoldsDescriptor(boxes)) {
        plan.NothingToWrite = file + " holds no mesh descriptor";
        return plan;
    }
    if (edit.Action == HitZoneAction::Zero) boxes.ZeroHitZones();
    plan.Writes = DescriptorPatches(boxes, model.txw.Main_Offset);
    plan.Tables.Descriptors = std::move(boxes);
    return plan;
}

std::vector<int> CentrePairs(const TCB& tcb, const TRSH& trsh) {
    std::vector<int> pairs;
    for (int k = 0; k < tcb.Size() && k < trsh.Size(); ++k)
        if (tcb[k].Type == kMeshDescriptor && trsh[k].Type == kRotScale) pairs.push_back(k);
    return pairs;
}

}  // namespace opt
