// The write journal: a text file of one JSON object per line in which every write the program makes
// to a model file is recorded before its first byte reaches the file, and marked done after it.
//   {"id":7,"time":"2026-12-08T01:30:00Z","file":"/abs/model.opt","length":4096,
//    "runs":[{"position":126,"old":"0a00..","new":"0b00..","what":"hardpoint 3"}]}
//   {"id":7,"done":true}
// A revert carries "reverts":<id of the write it undoes> (and "reverts_line":<its journal line> when
// an older version's journal holds that id more than once). Ids increase: each is the journal's last
// record id + 1, read and appended under an exclusive lock of the journal file, so any number of
// programs may write at once.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "edit/core/patcher.h"

namespace opt {

// Appends the record of one write and flushes it to disk; returns its id. Throws OptError naming
// the journal when it cannot be created, locked, written or flushed.
int64_t JournalBegin(const std::string& journal, const std::string& file, int64_t length,
                     std::span<const PatchRun> runs, const std::optional<JournalRef>& reverts);

// Appends the line that marks write id done (after the model file was written and flushed).
void JournalDone(const std::string& journal, int64_t id);

// The journal file: the environment variable ZEDARUZ_JOURNAL when set and not empty, otherwise
// patch-journal.jsonl in the program's SaveData folder (with or without a trailing separator).
std::string JournalFilePath(const std::string& saveDataDir);

// How the journal names a model file: its canonical path (symbolic links, "." and ".." resolved);
// for a file that does not exist, the name JournalLexicalName gives.
std::string JournalFileName(const std::string& file);
// How earlier versions named it: its absolute path, normalised without looking at the disk.
std::string JournalLexicalName(const std::string& file);

// Hex text of bytes (two lower-case digits per byte) and back; nothing when the text is not hex.
std::string HexText(std::span<const uint8_t> bytes);
std::optional<std::vector<uint8_t>> HexBytes(const std::string& text);

}  // namespace opt
