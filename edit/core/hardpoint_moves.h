// Several hardpoints moved at once (zedaruz-cli set-hardpoints, the Blender add-on's write-back): a
// JSON list of new positions, checked whole before anything is planned, turned into one 40-byte run
// per hardpoint (header and payload, as the hardpoint editor writes it) and applied as ONE verified,
// journaled write.
//   [{"index": 3, "x": -1.5, "y": 50, "z": 0}, {"index": 5, "x": 0, "y": 30, "z": 27, "type": 2}]
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "edit/core/patcher.h"
#include "model/line_sink.h"
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

// The hardpoint table with the moves made, and the patch writes that put them into the file.
struct HardpointMovePlan {
    TTBH Table;
    std::vector<PatchWrite> Writes;  // one per move: the record at Data_Offset - 24, header kept
};

// Plans the moves on a copy of the store's hardpoint table; records of one block take the move
// together, as in the hardpoint editor. Throws OptError, planning nothing, when an index names no
// hardpoint (outside the table, or a record no block filled) or records that name the same block
// were not read from the same bytes. `file` names the model in messages.
HardpointMovePlan PlanHardpointMoves(const ModelStore& store, std::span<const HardpointMove> moves,
                                     const std::string& file);

struct HardpointMovesDone {
    std::vector<PatchRun> Runs;    // the runs that changed bytes (none: the file held these values)
    std::optional<int64_t> Write;  // the journal's id of the write, when it was found there
};

// Plans the moves and applies them to `file`, the file the store was loaded from, as one write
// through the patcher, journaled in `journal`; then takes the moved table into the store and finds
// the write's id in the journal (damaged journal lines are reported to `warnings`). Throws
// OptError, writing nothing, when planning or the patcher refuses.
HardpointMovesDone MoveHardpoints(ModelStore& store, const std::string& file, const std::string& journal,
                                  std::span<const HardpointMove> moves, LineSink& warnings);

}  // namespace opt
