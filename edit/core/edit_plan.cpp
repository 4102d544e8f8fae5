#include "edit/core/edit_plan.h"

#include "edit/core/image_records.h"
#include "model/errors.h"

namespace opt {

namespace {

template <class Table>
void Take(Table& table, const std::optional<Table>& planned) {
    if (planned) table = *planned;
}

}  // namespace

AppliedEdit ApplyPlan(ModelStore& model, const EditPlan& plan, const EditTarget& target) {
    PatchResult written;
    try {
        written = ApplyPatches({target.File, model.File_Image, target.Journal, target.Sync, plan.Reverts},
                               plan.Writes);
    } catch (const OptError&) {
        RestoreFromImage(model, plan.Writes);
        throw;
    }
    if (plan.Tables.Any()) {
        Take(model.ttbh, plan.Tables.Hardpoints);
        Take(model.tcb, plan.Tables.Descriptors);
        Take(model.trsh, plan.Tables.RotScales);
        Take(model.ttmdh, plan.Tables.LodSets);
    } else {
        RestoreFromImage(model, plan.Writes);
    }
    return {std::move(written.Runs), written.JournalId};
}

std::optional<std::string> NothingWrittenLine(const EditPlan& plan, const AppliedEdit& applied,
                                              const std::string& file) {
    if (plan.Writes.empty()) {
        if (plan.NothingToWrite.empty()) return std::nullopt;
        return "Nothing written: " + plan.NothingToWrite + ".";
    }
    if (!applied.Runs.empty()) return std::nullopt;
    return "Nothing written: " + file + " already holds these values.";
}

}  // namespace opt
