#include "edit/core/descriptor_edits.h"

#include "edit/core/block_runs.h"
#include "edit/core/shared_blocks.h"
#include "model/errors.h"

namespace opt {

const DescriptorRecord& EditableDescriptor(const ModelStore& model, int index, const std::string& file) {
    if (!model.tcb.InRange(index) || model.tcb[index].Type != kMeshDescriptor)
        throw OptError(file + " holds no mesh descriptor " + std::to_string(index));
    return model.tcb[index];
}

EditPlan PlanDescriptorField(const ModelStore& model, const DescriptorFieldEdit& edit,
                             const std::string& file) {
    DescriptorPayloadEdit payload{edit.Index, EditableDescriptor(model, edit.Index, file)};
    DescriptorRecord& r = payload.Payload;
    switch (edit.Field) {
        case DescriptorField::TargetX:
        case DescriptorField::TargetY:
        case DescriptorField::TargetZ:
            r.Target[static_cast<int>(edit.Field) - static_cast<int>(DescriptorField::TargetX)] = edit.Real;
            break;
        case DescriptorField::Group:
            r.Group_ID = edit.Integer;
            break;
        case DescriptorField::Type:
            r.Mesh_Type = edit.Integer;
            break;
        case DescriptorField::Unknown:
            r.N2 = edit.Integer;
            break;
    }
    return PlanDescriptorPayload(model, payload, file);
}

EditPlan PlanDescriptorPayload(const ModelStore& model, const DescriptorPayloadEdit& edit,
                               const std::string& file) {
    EditPlan plan;
    TCB& table = plan.Tables.Descriptors.emplace(model.tcb);
    DescriptorRecord r = edit.Payload;
    static_cast<BlockHeader&>(r) = EditableDescriptor(model, edit.Index, file);
    r.Mesh = table[edit.Index].Mesh;
    StoreIntoBlock(table, edit.Index, r);
    plan.Writes = DescriptorPatches(table, model.txw.Main_Offset);
    return plan;
}

}  // namespace opt
