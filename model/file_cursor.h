// A read-only cursor over an OPT file held in memory. It behaves like the file stream the walk was
// designed around: a seek may go anywhere, a read past the end delivers fewer bytes (or none) and
// leaves the rest of the destination as it was. It never touches memory outside the file.
#pragma once

#include <array>
#include <bit>
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
    void Read(int32_t& value) {
        if (pos_ >= 0 && pos_ <= Size() - 4) {
            value = static_cast<int32_t>(Load32(bytes_.data() + pos_));
            pos_ += 4;
            return;
        }
        ReadShort(value);
    }
    void Read(float& value) {
        if (pos_ >= 0 && pos_ <= Size() - 4) {
            value = std::bit_cast<float>(Load32(bytes_.data() + pos_));
            pos_ += 4;
            return;
        }
        auto i = std::bit_cast<int32_t>(value);
        ReadShort(i);
        value = std::bit_cast<float>(i);
    }
    // The n bytes at pos when all of them lie inside the file, else nullptr. Leaves the cursor alone.
    const uint8_t* Run(int64_t pos, int64_t n) const {
        return (pos >= 0 && n >= 0 && n <= Size() - pos) ? bytes_.data() + pos : nullptr;
    }
    static uint32_t Load32(const uint8_t* p) {
        return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
    }
    // Reads n records of N floats, record i going to planes[0][i] .. planes[N-1][i].
    template <size_t N>
    void ReadPlanes(const std::array<float*, N>& planes, int n) {
        const int64_t need = int64_t{n} * int64_t{N} * 4;
        if (pos_ >= 0 && need <= Size() - pos_) {
            const uint8_t* p = bytes_.data() + pos_;
            for (int i = 0; i < n; ++i)
                for (size_t k = 0; k < N; ++k, p += 4) planes[k][i] = std::bit_cast<float>(Load32(p));
            pos_ += need;
            return;
        }
        for (int i = 0; i < n; ++i)
            for (float* plane : planes) Read(plane[i]);
    }
    // Copies up to n bytes into dst; returns how many were available.
    size_t ReadBytes(void* dst, size_t n);

    // Set once a read ran past the end of the file after starting inside it.
    bool RanPastEnd() const { return ran_past_end_; }
    // Set once a read started outside the file (before its start or at/after its end).
    bool ReadOutside() const { return read_outside_; }

private:
    void ReadShort(int32_t& value);

    std::span<const uint8_t> bytes_;
    int64_t pos_ = 0;
    bool ran_past_end_ = false;
    bool read_outside_ = false;
};

}  // namespace opt
