// The fields of one mesh descriptor that the descriptor editor changes (zedaruz-cli set-descriptor):
// the target point, the group, the mesh type and the unknown word. Written as the editor writes
// them: every mesh descriptor of the table goes back as its 96-byte record (header kept), so the
// descriptors whose bytes do not change are not written.
#pragma once

#include <cstdint>
#include <string>

#include "edit/core/edit_plan.h"
#include "model/store.h"

namespace opt {

enum class DescriptorField { TargetX, TargetY, TargetZ, Group, Type, Unknown };

struct DescriptorFieldEdit {
    int Index = -1;
    DescriptorField Field = DescriptorField::TargetX;
    float Real = 0;       // TargetX, TargetY or TargetZ
    int32_t Integer = 0;  // Group, Type (the mesh-type code) or Unknown
};

// The whole payload of one descriptor at once, as the editor's working copy holds it (its Update
// and Undo): every value after the header, hit zone included. Header words and Mesh are the
// table's own.
struct DescriptorPayloadEdit {
    int Index = -1;
    DescriptorRecord Payload;
};

// The mesh descriptor the editor lists at index (Type 25); throws OptError("<file> holds no mesh
// descriptor <index>") when there is none.
const DescriptorRecord& EditableDescriptor(const ModelStore& model, int index, const std::string& file);

// Throw as EditableDescriptor does, and OptError naming both records when records of the block were
// not read from the same bytes.
EditPlan PlanDescriptorField(const ModelStore& model, const DescriptorFieldEdit& edit,
                             const std::string& file);
EditPlan PlanDescriptorPayload(const ModelStore& model, const DescriptorPayloadEdit& edit,
                               const std::string& file);

}  // namespace opt
