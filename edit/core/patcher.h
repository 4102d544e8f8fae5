// The one path by which the program changes an OPT file: fixed runs of bytes overwritten in place.
// Every byte a run replaces must equal the file image (the file's bytes as the load read them,
// updated by each verified write), both in the image and on disk; runs that overlap must agree on
// the bytes they share. Only then is the write journaled (when a journal is named), made, flushed,
// read back against the final intended bytes, marked done in the journal and taken into the image.
// From the comparison with the disk to the done mark the model file is locked exclusively, so two
// programs writing it at once take turns and the second compares with what the first wrote.
// The file's length never changes.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace opt {

// One run the caller wants in the file.
struct PatchWrite {
    std::string Block;           // how messages name the block, e.g. "hardpoint 3"
    int64_t Position = 0;        // file position of the first byte written
    std::vector<uint8_t> Bytes;  // the new bytes
    size_t Kept = 0;             // leading bytes that must already hold these values (a block header)
};

// One run as written: the bytes it replaced and the bytes it put there.
struct PatchRun {
    std::string What;
    int64_t Position = 0;
    std::vector<uint8_t> Old;
    std::vector<uint8_t> New;
};

// A write recorded in the journal: its id, and the journal line that records it where a journal of
// an older version holds that id more than once.
struct JournalRef {
    JournalRef(int64_t id, std::optional<int64_t> line = std::nullopt) : Id(id), Line(line) {}
    int64_t Id = 0;
    std::optional<int64_t> Line;
};

struct PatchTarget {
    std::string Path;                   // the model file
    std::vector<uint8_t>& Image;        // the file's bytes as the load read them; updated after the write
    std::string JournalPath;            // the write journal; empty: no journal record
    bool Sync = true;                   // flush the model file to disk (always done with a journal)
    std::optional<JournalRef> Reverts;  // the journal write this write undoes, recorded with it
    // How long to wait for another program's write to the file to end.
    std::chrono::milliseconds LockWait{10000};
};

// What one write did: the runs that changed bytes, and the id the journal recorded them under (none
// when no run changed a byte, or no journal was named).
struct PatchResult {
    std::vector<PatchRun> Runs;
    std::optional<int64_t> JournalId;
};

// Applies the writes as one write, all or nothing as far as the checks go, and returns the runs
// that changed bytes with their journal id (runs whose new bytes equal the old are neither
// journaled nor written; none left: the file is not opened). Throws OptError:
// - "Cannot open file <path>" when the file cannot be opened for reading and writing, with the
//   system's reason as OptError::Reason (nothing written);
// - "<path> is being written by another program" when its lock was not free within LockWait, and a
//   message naming the file when it cannot be locked at all (nothing written);
// - a message naming the file and the block when a run lies outside the file, or the image or the
//   disk does not hold the bytes it would replace, or its kept bytes differ, or two runs disagree on bytes
//   they share (nothing written);
// - a message naming the journal when its record cannot be written (nothing written);
// - a message naming the file and the block when a write or its read-back fails.
PatchResult ApplyPatches(const PatchTarget& target, std::span<const PatchWrite> writes);

}  // namespace opt
