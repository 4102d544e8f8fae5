// The write journal read back: every write the program (window, command line, library) made to a
// model file, and undoing them one at a time.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "zedaruz/visibility.h"

namespace zedaruz {

struct JournalEntry {
    std::int64_t id;
    std::string time;  // UTC, ISO 8601
    int runs;
    std::int64_t bytes;
    std::vector<std::string> blocks;  // what each run wrote, e.g. "hardpoint 3"
    std::string state;                // "current", "reverted", "interrupted", "changed since", "undone by N"
    std::optional<std::int64_t> reverts;  // the write this one undid
};

// The program's journal: ZEDARUZ_JOURNAL when set, else patch-journal.jsonl in its SaveData folder.
ZEDARUZ_API std::filesystem::path DefaultJournal();

// The writes recorded for the file, newest first. Throws Error when the file cannot be read.
ZEDARUZ_API std::vector<JournalEntry> History(const std::filesystem::path& file,
                                              const std::filesystem::path& journal = {});

struct RevertReport {
    std::int64_t reverted_id;  // the write undone
    std::int64_t journal_id;   // the revert's own id
    std::int64_t bytes_written;
};

// Undoes write `id`, or without one the newest write that can be undone (as `zedaruz-cli revert`).
// Throws Error saying why nothing was written.
ZEDARUZ_API RevertReport Revert(const std::filesystem::path& file, std::optional<std::int64_t> id = {},
                                const std::filesystem::path& journal = {});

}  // namespace zedaruz
