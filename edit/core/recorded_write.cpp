#include "edit/core/recorded_write.h"

#include <algorithm>

#include "edit/core/journal_history.h"

namespace opt {

namespace {

bool SameRun(const PatchRun& a, const PatchRun& b) {
    return a.What == b.What && a.Position == b.Position && a.Old == b.Old && a.New == b.New;
}

}  // namespace

std::optional<int64_t> RecordedWriteId(const std::string& journal, const std::string& file,
                                       std::span<const PatchRun> runs, LineSink& warnings) {
    if (runs.empty() || journal.empty()) return std::nullopt;
    std::optional<int64_t> id;
    for (const JournalWrite& w : ReadJournal(journal, file, warnings)) {
        if (w.Runs.size() == runs.size() && std::equal(runs.begin(), runs.end(), w.Runs.begin(), SameRun) &&
            (!id || w.Id > *id))
            id = w.Id;
    }
    return id;
}

}  // namespace opt
