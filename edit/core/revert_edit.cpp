#include "edit/core/revert_edit.h"

#include <algorithm>

#include "edit/core/journal_history.h"

namespace opt {

EditPlan PlanRevertOf(std::span<const uint8_t> disk, const RevertEdit& edit, const EditTarget& target) {
    VectorSink unsaid;
    LineSink& warnings = target.JournalWarnings != nullptr ? *target.JournalWarnings : unsaid;
    const std::vector<JournalWrite> writes = ReadJournal(target.Journal, target.File, warnings);
    const JournalWrite& undone = WriteToRevert(writes, edit.Write, disk, target.File);
    EditPlan plan;
    plan.Writes = RevertPatches(writes, undone, disk, target.File);
    // Where an older version's journal repeats the id, the revert records the line too.
    const auto sameId =
        std::count_if(writes.begin(), writes.end(), [&](const JournalWrite& w) { return w.Id == undone.Id; });
    plan.Reverts = JournalRef(undone.Id, sameId > 1 ? std::optional<int64_t>(undone.Line) : std::nullopt);
    return plan;
}

EditPlan PlanRevert(const ModelStore& model, const RevertEdit& edit, const EditTarget& target) {
    return PlanRevertOf(model.File_Image, edit, target);
}

}  // namespace opt
