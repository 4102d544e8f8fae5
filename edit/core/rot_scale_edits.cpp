#include "edit/core/rot_scale_edits.h"

#include "edit/core/block_runs.h"
#include "edit/core/shared_blocks.h"
#include "model/errors.h"

namespace opt {

const RotScaleRecord& EditableRotScale(const ModelStore& model, int index, const std::string& file) {
    if (!model.trsh.InRange(index) || model.trsh[index].Type != kRotScale)
        throw OptError(file + " holds no rotation/scale block " + std::to_string(index));
    return model.trsh[index];
}

std::array<float, kRotScaleFloats> RotScaleFloats(const RotScaleRecord& r) {
    std::array<float, kRotScaleFloats> floats{};
    for (int k = 0; k < kRotScaleFloats; ++k) floats[static_cast<size_t>(k)] = r.Float(k);
    return floats;
}

EditPlan PlanRotScaleFloat(const ModelStore& model, const RotScaleFloatEdit& edit, const std::string& file) {
    RotScalePayloadEdit payload{edit.Index, RotScaleFloats(EditableRotScale(model, edit.Index, file))};
    if (edit.FloatNo < 0 || edit.FloatNo >= kRotScaleFloats) throw OptError("FLOAT_NO must be 0 to 11.");
    payload.Floats[static_cast<size_t>(edit.FloatNo)] = edit.Value;
    return PlanRotScalePayload(model, payload, file);
}

EditPlan PlanRotScalePayload(const ModelStore& model, const RotScalePayloadEdit& edit,
                             const std::string& file) {
    RotScaleRecord r = EditableRotScale(model, edit.Index, file);
    for (int k = 0; k < kRotScaleFloats; ++k) r.Float(k) = edit.Floats[static_cast<size_t>(k)];
    EditPlan plan;
    StoreIntoBlock(plan.Tables.RotScales.emplace(model.trsh), edit.Index, r);
    plan.Writes.push_back(RotScalePatch(edit.Index, r, model.txw.Main_Offset));
    return plan;
}

}  // namespace opt
