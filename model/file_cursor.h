// A read-only cursor over an OPT file held in memory. It behaves like the file stream the walk was
// designed around: a seek may go anywhere, a read past the end delivers fewer bytes (or none) and
// leaves the rest of the destination as it was. It never touches memory outside the file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace opt {

class FileCursor {
public:
    explicit FileCursor(std::span<const uint8_t> bytes) : bytes_(bytes) {}

    int64_t Size() const { return static_cast<int64_t>(bytes_.size()); }
    int64_t Pos() const { return pos_; }
    void Seek(int64_t pos) { pos_ = pos; }
    // Whether a block can start at pos (the position lies inside the file).
    bool Inside(int64_t pos) const { return pos >= 0 && pos < Size(); }

    // Little-endian reads; a short read replaces only the low-order bytes it got.
    void Read(int32_t& value);
    void Read(float& value);
    // Copies up to n bytes into dst; returns how many were available.
    size_t ReadBytes(void* dst, size_t n);

    // Set once a read ran past the end of the file after starting inside it.
    bool RanPastEnd() const { return ran_past_end_; }
    // Set once a read started outside the file (before its start or at/after its end).
    bool ReadOutside() const { return read_outside_; }

private:
    std::span<const uint8_t> bytes_;
    int64_t pos_ = 0;
    bool ran_past_end_ = false;
    bool read_outside_ = false;
};

}  // namespace opt
