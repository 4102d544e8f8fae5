#include "edit/core/hardpoint_field_edit.h"

#include "edit/core/hardpoint_moves.h"
#include "model/errors.h"

namespace opt {

const HardpointRecord& EditableHardpoint(const ModelStore& model, int index, const std::string& file) {
    if (!HoldsHardpoint(model.ttbh, index))
        throw OptError(file + " holds no hardpoint " + std::to_string(index));
    return model.ttbh[index];
}

EditPlan PlanHardpointField(const ModelStore& model, const HardpointFieldEdit& edit,
                            const std::string& file) {
    const HardpointRecord& r = EditableHardpoint(model, edit.Index, file);
    HardpointMove move{edit.Index, r.X, r.Y, r.Z, r.HP_Type};
    switch (edit.Field) {
        case HardpointField::X:
            move.X = edit.Coordinate;
            break;
        case HardpointField::Y:
            move.Y = edit.Coordinate;
            break;
        case HardpointField::Z:
            move.Z = edit.Coordinate;
            break;
        case HardpointField::Type:
            move.Type = edit.TypeCode;
            break;
    }
    return PlanHardpointMoves(model, {{move}}, file);
}

}  // namespace opt
