// One field of one hardpoint (zedaruz-cli set-hardpoint): a coordinate in file units, or the type
// code. Written as the hardpoint editor writes it: the whole 40-byte record (header kept), in which
// only the field changes.
#pragma once

#include <cstdint>
#include <string>

#include "edit/core/edit_plan.h"
#include "model/store.h"

namespace opt {

enum class HardpointField { X, Y, Z, Type };

struct HardpointFieldEdit {
    int Index = -1;
    HardpointField Field = HardpointField::X;
    float Coordinate = 0;  // X, Y or Z
    int32_t TypeCode = 0;  // Type
};

// The hardpoint the editor lists at index (a record a block filled); throws OptError("<file> holds
// no hardpoint <index>") when there is none.
const HardpointRecord& EditableHardpoint(const ModelStore& model, int index, const std::string& file);

// The hardpoint with the field set; throws as EditableHardpoint does, and as PlanHardpointMoves when
// records of its block were not read from the same bytes.
EditPlan PlanHardpointField(const ModelStore& model, const HardpointFieldEdit& edit, const std::string& file);

}  // namespace opt
