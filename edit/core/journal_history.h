// Reading the write journal back: the writes recorded for one model file, what the disk holds of
// each, which reverts undo which writes, and the revert of one of them through the same verified,
// journaled patcher.
//
// The journal is an undo history. A revert undoes the write it names; a revert that is undone in
// turn (a redo) gives the write back. `revert FILE` without an id takes an interrupted write first,
// else the newest write that is not a revert, is current and is not undone, so that repeating it
// walks back one write at a time to the file as it was before the first recorded write.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "edit/core/patcher.h"
#include "model/line_sink.h"

namespace opt {

struct JournalWrite {
    int64_t Id = 0;
    int64_t Line = 0;  // the journal line that records it (1: the first)
    std::string Time;
    int64_t Length = 0;  // the model file's length when it was written
    std::optional<JournalRef> Reverts;
    std::vector<PatchRun> Runs;
    bool Done = false;  // marked done after the model file was written and flushed
};

// What the disk holds of a write: all its new bytes, all its old ones, a mix left by a write never
// marked done, or anything else.
enum class WriteState { Current, Reverted, Interrupted, ChangedSince };
const char* StateName(WriteState state);
WriteState StateOf(const JournalWrite& write, std::span<const uint8_t> disk);

// Streams the journal line by line and returns the writes recorded for file (under its canonical
// name, or under the name of a path that leads to the same file), in the journal's order. A missing
// journal holds no writes; a damaged or half-written line is skipped with one warning.
std::vector<JournalWrite> ReadJournal(const std::string& journal, const std::string& file,
                                      LineSink& warnings);

// What the history says of one write.
struct HistoryEntry {
    int64_t Id = 0;
    std::string Ref;  // how to name it to revert: its id, with its journal line where the id repeats
    std::string Time;
    size_t Runs = 0;
    size_t Bytes = 0;
    std::vector<std::string> Blocks;      // what each run wrote
    std::optional<std::string> Reverts;   // the write this revert undoes
    std::optional<std::string> UndoneBy;  // the revert in force that undoes it
    bool IdRepeats = false;               // a journal of an older version holds its id more than once
    WriteState State = WriteState::Current;
};

// The writes, newest first.
std::vector<HistoryEntry> HistoryOf(std::span<const JournalWrite> writes, std::span<const uint8_t> disk);

// One line per write, newest first: id, time, runs and bytes, the blocks, the revert it is or that
// undid it, an id the journal repeats, the state.
std::vector<std::string> HistoryLines(std::span<const JournalWrite> writes, std::span<const uint8_t> disk);

// The write a revert would undo: the one named (by id, and by journal line where the id repeats),
// or without a name the newest interrupted write, else the newest write that is not a revert, is
// current and is not undone. Throws OptError saying why there is none.
const JournalWrite& WriteToRevert(std::span<const JournalWrite> writes, const std::optional<JournalRef>& id,
                                  std::span<const uint8_t> disk, const std::string& file);

// Checks (target: one of writes) that the disk holds the write's new bytes (or, for an interrupted write, its
// new or its old bytes) and that no later write to the same bytes is in force (current, not undone, and not
// the revert of a write later than this one); throws OptError naming the first position that differs or the
// later write. Returns the writes that put the old bytes back.
std::vector<PatchWrite> RevertPatches(std::span<const JournalWrite> writes, const JournalWrite& target,
                                      std::span<const uint8_t> disk, const std::string& file);

// Whether a revert without an id has a write to undo. False when the file or the journal cannot be
// read.
bool HasWriteToRevert(const std::string& file, const std::string& journal);

// The reader's note for a model whose newest recorded write was interrupted (disk: the file's bytes
// as loaded); nothing otherwise, also when the journal cannot be read. Reads the journal from its
// end back to the newest record of the file, and gives what reading it whole would give.
std::optional<std::string> InterruptedWriteNote(const std::string& file, std::span<const uint8_t> disk,
                                                const std::string& journal);
// Whether a line of the reader's is that note: the file holds a mix of a write's old and new bytes.
bool IsInterruptedWriteNote(const std::string& line);

// The whole revert of a file no model was loaded from (File > Revert Last Write): reads the file,
// chooses and checks the write (PlanRevertOf), writes the old bytes back through the patcher
// (journaled, recording which write it reverts). Returns the reverted id and the runs.
struct RevertDone {
    int64_t Id = 0;
    std::vector<PatchRun> Runs;
    std::optional<int64_t> JournalId;  // the revert's own id in the journal
};
RevertDone RevertWrite(const std::string& file, const std::string& journal,
                       const std::optional<JournalRef>& id, LineSink& warnings);

}  // namespace opt
