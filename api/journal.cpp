// The write journal as the library offers it: where it is, a file's writes, and their revert.
#include "zedaruz/journal.h"

#include "api/model_data.h"
#include "edit/core/journal_history.h"
#include "edit/core/write_journal.h"
#include "model/line_sink.h"
#include "model/reader.h"
#include "platform/program_folders.h"

namespace zedaruz {

namespace {

std::string JournalOf(const std::filesystem::path& journal) {
    return CorePath(journal.empty() ? DefaultJournal() : journal);
}

}  // namespace

std::filesystem::path DefaultJournal() {
    // The folders of the program that uses the library, by the same rules as zedaruz-cli's.
    const opt::ProgramFolders folders = opt::FindProgramFolders(opt::ExecutableDir(nullptr));
    return opt::Utf8Path(opt::JournalFilePath(CorePath(folders.SaveData)));
}

std::vector<JournalEntry> History(const std::filesystem::path& file, const std::filesystem::path& journal) {
    return Translated([&] {
        const std::string path = CorePath(file);
        const std::vector<uint8_t> disk = opt::ReadWholeFile(path);
        opt::VectorSink warnings;
        const auto writes = opt::ReadJournal(JournalOf(journal), path, warnings);
        std::vector<JournalEntry> entries;
        for (const opt::HistoryEntry& e : opt::HistoryOf(writes, disk)) {
            std::string state = opt::StateName(e.State);
            if (e.UndoneBy) state = "undone by " + *e.UndoneBy;
            std::optional<std::int64_t> reverts;
            if (e.Reverts) reverts = std::stoll(*e.Reverts);
            entries.push_back({e.Id, e.Time, static_cast<int>(e.Runs), static_cast<std::int64_t>(e.Bytes),
                               e.Blocks, state, reverts});
        }
        return entries;
    });
}

RevertReport Revert(const std::filesystem::path& file, std::optional<std::int64_t> id,
                    const std::filesystem::path& journal) {
    return Translated([&] {
        opt::VectorSink warnings;
        std::optional<opt::JournalRef> ref;
        if (id) ref = opt::JournalRef(*id);
        const opt::RevertDone done = opt::RevertWrite(CorePath(file), JournalOf(journal), ref, warnings);
        std::int64_t bytes = 0;
        for (const auto& r : done.Runs) bytes += static_cast<std::int64_t>(r.New.size());
        return RevertReport{done.Id, done.JournalId.value_or(0), bytes};
    });
}

}  // namespace zedaruz
