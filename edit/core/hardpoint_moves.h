// Several hardpoints moved at once (zedaruz-cli set-hardpoints, the Blender add-on's write-back, the
// hardpoint editor's Update and Undo): new positions, as a JSON list checked whole before anything
// is planned, turned into one 40-byte run per hardpoint (header and payload) and written as ONE
// verified, journaled write.
//   [{"index": 3, "x": -1.5, "y": 50, "z": 0}, {"index": 5, "x": 0, "y": 30, "z": 27, "type": 2}]
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "edit/core/edit_plan.h"
#include "model/store.h"

namespace opt {

// One entry of the list: the hardpoint's table index, its new position in file units and, when
// given, its new type code (otherwise the type stays).
struct HardpointMove {
    int Index = -1;
    float X = 0, Y = 0, Z = 0;
    std::optional<int32_t> Type;
};

// Parses the list. Throws OptError naming the entry (counted from 1) and what is wrong when the
// text is not JSON or not a list of objects, an entry lacks index, x, y or z or has another key, an
// index is not a whole number from 0, a coordinate is not a number within the range of a 32-bit
// float, a type is not a 32-bit integer, or two entries name the same index.
std::vector<HardpointMove> ParseHardpointMoves(std::string_view json);

// The moves as one edit.
struct HardpointMovesEdit {
    std::vector<HardpointMove> Moves;
};

// Whether the hardpoint table holds a hardpoint at index: inside the table, and filled by a block.
bool HoldsHardpoint(const TTBH& table, int index);

// Plans the moves on a copy of the model's hardpoint table: one run per move, the record at
// Data_Offset - 24 with its header kept; records of one block take the move together, as in the
// hardpoint editor. Throws OptError, planning nothing, when an index names no hardpoint (outside the
// table, or a record no block filled) or records that name the same block were not read from the
// same bytes. `file` names the model in messages.
EditPlan PlanHardpointMoves(const ModelStore& model, const HardpointMovesEdit& edit, const std::string& file);

}  // namespace opt
