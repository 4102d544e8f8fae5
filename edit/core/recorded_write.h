// Finding a write in the write journal after the patcher made it: the patcher records the write
// under an id it takes from the journal, and this reads the id back.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "edit/core/patcher.h"
#include "model/line_sink.h"

namespace opt {

// The id of the newest write of `file` recorded in `journal` whose runs are exactly `runs` (what,
// position, old and new bytes, in order); nothing when none is (an empty list, or a journal that was
// not written). Damaged journal lines are reported to `warnings`.
std::optional<int64_t> RecordedWriteId(const std::string& journal, const std::string& file,
                                       std::span<const PatchRun> runs, LineSink& warnings);

}  // namespace opt
