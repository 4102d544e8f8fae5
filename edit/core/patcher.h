// The one path by which the editors change an OPT file: a fixed run of bytes overwritten in place.
// A write names the bytes it expects to find where it writes; the patcher opens the file for reading
// and writing (never creating or truncating it), checks every write's expected bytes, and only when
// all of them still hold writes each run and reads it back. The file's length never changes.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace opt {

struct PatchWrite {
    std::string Block;              // how messages name the block, e.g. "hardpoint 3"
    int64_t Position = 0;           // file position of the first byte written
    std::vector<uint8_t> Expected;  // bytes that must already lie at Position (at most Bytes.size())
    std::vector<uint8_t> Bytes;     // the new bytes
};

// Applies the writes to the file in order, all or nothing as far as the checks go. Throws OptError:
// - "Cannot open file <path>" when the file cannot be opened for reading and writing (nothing written);
// - a message naming the file and the block when a run lies outside the file or its expected bytes are
//   not there (nothing written);
// - a message naming the file and the block when a write or its read-back fails.
void ApplyPatches(const std::string& path, std::span<const PatchWrite> writes);

}  // namespace opt
