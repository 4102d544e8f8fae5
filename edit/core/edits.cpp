#include "edit/core/edits.h"

namespace opt {

namespace {

// Overloaded lambdas for std::visit.
template <class... F>
struct Kinds : F... {
    using F::operator()...;
};

}  // namespace

EditPlan PlanEdit(const ModelStore& model, const Edit& edit, const EditTarget& target) {
    const std::string& file = target.File;
    return std::visit(
        Kinds{
            [&](const HardpointFieldEdit& e) { return PlanHardpointField(model, e, file); },
            [&](const HardpointMovesEdit& e) { return PlanHardpointMoves(model, e, file); },
            [&](const DescriptorFieldEdit& e) { return PlanDescriptorField(model, e, file); },
            [&](const DescriptorPayloadEdit& e) { return PlanDescriptorPayload(model, e, file); },
            [&](const LodDistanceEdit& e) { return PlanLodDistance(model, e, file); },
            [&](const RotScaleFloatEdit& e) { return PlanRotScaleFloat(model, e, file); },
            [&](const RotScalePayloadEdit& e) { return PlanRotScalePayload(model, e, file); },
            [&](const HitZoneEdit& e) { return PlanHitZones(model, e, file); },
            [&](const TextureImportEdit& e) { return PlanTextureImport(model, e, file).Edit; },
            [&](const RevertEdit& e) { return PlanRevert(model, e, target); },
        },
        edit);
}

AppliedEdit ApplyEdit(ModelStore& model, const Edit& edit, const EditTarget& target) {
    return ApplyPlan(model, PlanEdit(model, edit, target), target);
}

std::string WrittenMessage(const Edit& edit, const std::string& file) {
    if (std::holds_alternative<LodDistanceEdit>(edit)) return file + " LOD`s updated";
    if (std::holds_alternative<RotScaleFloatEdit>(edit) || std::holds_alternative<RotScalePayloadEdit>(edit))
        return "File updated.. ";
    if (const auto* zones = std::get_if<HitZoneEdit>(&edit)) {
        switch (zones->Action) {
            case HitZoneAction::Write:
                return file + " Updated with new HitZone(s)";
            case HitZoneAction::Zero:
                return file + " Updated HitZone(s) with zero`s";
            case HitZoneAction::CopyCentres:
                return "File updated.. Note: Turret centers will not be 100% correct";
        }
    }
    return "";
}

}  // namespace opt
