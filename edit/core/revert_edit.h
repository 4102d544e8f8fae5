// Undoing a write recorded in the journal (zedaruz-cli revert, File > Revert Last Write): the old
// bytes of its runs written back through the same verified patcher, journaled as the revert of that
// write (see journal_history.h for which write is taken and when a revert is refused).
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "edit/core/edit_plan.h"
#include "edit/core/patcher.h"
#include "model/store.h"

namespace opt {

struct RevertEdit {
    std::optional<JournalRef> Write;  // the write to undo; none: the one `revert FILE` takes
};

// The revert of a write of target.File, planned against `disk` (the file's bytes): reads
// target.Journal (damaged lines go to target.JournalWarnings), chooses and checks the write, and
// plans its old bytes back, recording which write it reverts (Reverts). Throws OptError saying why
// when there is nothing to revert or the disk no longer holds what the write put there.
EditPlan PlanRevertOf(std::span<const uint8_t> disk, const RevertEdit& edit, const EditTarget& target);

// The same against the model's file image; the records the runs touch are read again once written.
EditPlan PlanRevert(const ModelStore& model, const RevertEdit& edit, const EditTarget& target);

}  // namespace opt
