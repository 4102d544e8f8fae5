// history and revert: the write journal read back for one model file.
#include <cstdio>
#include <filesystem>

#include "app/cli/commands.h"
#include "app/cli/model_loading.h"
#include "app/cli/patch_commands.h"
#include "app/cli/stdout_sink.h"
#include "edit/core/edits.h"
#include "edit/core/journal_history.h"
#include "model/errors.h"
#include "model/reader.h"
#include "platform/utf8_path.h"

namespace cli {

namespace {

// A whole-word positive decimal number, or nothing.
std::optional<int64_t> PositiveNumber(const std::string& word) {
    if (word.empty() || word.size() > 18) return std::nullopt;
    int64_t v = 0;
    for (char c : word) {
        if (c < '0' || c > '9') return std::nullopt;
        v = v * 10 + (c - '0');
    }
    return v > 0 ? std::optional<int64_t>(v) : std::nullopt;
}

// A write id, or ID:LINE (the journal line) where the journal repeats the id; nothing otherwise.
std::optional<opt::JournalRef> WriteId(const std::string& word) {
    const size_t colon = word.find(':');
    const auto id = PositiveNumber(word.substr(0, colon));
    if (!id) return std::nullopt;
    if (colon == std::string::npos) return opt::JournalRef(*id);
    const auto line = PositiveNumber(word.substr(colon + 1));
    if (!line) return std::nullopt;
    return opt::JournalRef(*id, *line);
}

}  // namespace

int HistoryCommand(const Args& args) {
    if (args.size() != 1) return UsageError("history", "FILE is required.");
    try {
        const std::vector<uint8_t> disk = opt::ReadWholeFile(args[0]);
        const std::string journal = ProgramJournal();
        // A folder in the journal's place holds no writes: say so rather than that none were made.
        std::error_code ec;
        if (std::filesystem::is_directory(opt::Utf8Path(journal), ec))
            return Failure("Cannot read the write journal " + journal + ": it is a folder, not a file");
        StderrSink warnings;
        const auto writes = opt::ReadJournal(journal, args[0], warnings);
        if (writes.empty()) {
            std::printf("No writes recorded for %s\n", args[0].c_str());
            return 0;
        }
        for (const auto& line : opt::HistoryLines(writes, disk)) std::printf("%s\n", line.c_str());
        return 0;
    } catch (const opt::OptError& e) {
        return Failure(e);
    }
}

int RevertCommand(const Args& args) {
    if (args.empty() || args.size() > 2) return UsageError("revert", "FILE is required, and one ID at most.");
    std::optional<opt::JournalRef> id;
    if (args.size() == 2) {
        id = WriteId(args[1]);
        if (!id)
            return UsageError("revert", "'" + args[1] +
                                            "' is not a write id: give a number, or ID:LINE as "
                                            "'zedaruz-cli history' names it.");
    }
    try {
        // The file is loaded without saying the reader's lines: the revert reads the journal's own.
        const auto store = LoadModel(args[0]);
        StderrSink warnings;
        const opt::EditTarget target{args[0], ProgramJournal(), true, &warnings};
        const opt::EditPlan plan = opt::PlanRevert(*store, opt::RevertEdit{id}, target);
        const opt::AppliedEdit applied = opt::ApplyPlan(*store, plan, target);
        std::printf("Reverted write %lld of %s\n", static_cast<long long>(plan.Reverts->Id), args[0].c_str());
        PrintRuns(applied.Runs);
        return 0;
    } catch (const opt::OptError& e) {
        return Failure(e);
    }
}

void AddJournalCommands(CLI::App& app) {
    AddWordsCommand(app, "history", "List the writes recorded for FILE, newest first.", {"FILE"}, {},
                    HistoryCommand);
    AddWordsCommand(app, "revert",
                    "Undo write ID (ID:LINE where the journal repeats ID; default: an interrupted write of "
                    "FILE, else its newest write not yet undone).",
                    {"FILE"}, {"ID"}, RevertCommand);
}

}  // namespace cli
