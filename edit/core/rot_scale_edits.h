// The twelve floats of one rotation/scale block (zedaruz-cli set-rsh): the centre, then the three
// scale rows. Written as the rotation/scale editor writes them: the whole 72-byte record (header
// kept) at Data_Offset - 24.
#pragma once

#include <array>
#include <string>

#include "edit/core/edit_plan.h"
#include "model/store.h"

namespace opt {

inline constexpr int kRotScaleFloats = 12;

// Float FloatNo (0..11) of block Index.
struct RotScaleFloatEdit {
    int Index = -1;
    int FloatNo = 0;
    float Value = 0;
};

// All twelve at once, as the editor's working copy holds them (its Update and Undo).
struct RotScalePayloadEdit {
    int Index = -1;
    std::array<float, kRotScaleFloats> Floats{};
};

// The rotation/scale block the editor lists at index (Type 23); throws OptError("<file> holds no
// rotation/scale block <index>") when there is none.
const RotScaleRecord& EditableRotScale(const ModelStore& model, int index, const std::string& file);

// Throw as EditableRotScale does, OptError("FLOAT_NO must be 0 to 11.") for another float, and
// OptError naming both records when records of the block were not read from the same bytes.
EditPlan PlanRotScaleFloat(const ModelStore& model, const RotScaleFloatEdit& edit, const std::string& file);
EditPlan PlanRotScalePayload(const ModelStore& model, const RotScalePayloadEdit& edit,
                             const std::string& file);

// The twelve floats of a record, in file order.
std::array<float, kRotScaleFloats> RotScaleFloats(const RotScaleRecord& r);

}  // namespace opt
