#include "model/file_cursor.h"

#include <bit>
#include <cstring>

namespace opt {

size_t FileCursor::ReadBytes(void* dst, size_t n) {
    if (!Inside(pos_)) {
        if (n > 0) read_outside_ = true;
        return 0;
    }
    const auto available = static_cast<size_t>(Size() - pos_);
    const size_t got = n < available ? n : available;
    if (got < n) ran_past_end_ = true;
    std::memcpy(dst, bytes_.data() + pos_, got);
    pos_ += static_cast<int64_t>(got);
    return got;
}

void FileCursor::ReadShort(int32_t& value) {
    uint8_t b[4];
    const size_t got = ReadBytes(b, 4);
    auto u = std::bit_cast<uint32_t>(value);
    for (size_t i = 0; i < got; ++i) u = (u & ~(0xFFu << (8 * i))) | (uint32_t(b[i]) << (8 * i));
    value = std::bit_cast<int32_t>(u);
}

}  // namespace opt
