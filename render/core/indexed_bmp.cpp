#include "render/core/indexed_bmp.h"

#include <algorithm>
#include <cstdlib>

#include "model/errors.h"
#include "render/core/bmp_image.h"

namespace opt {

namespace {

constexpr uint8_t kB = 'B';
constexpr uint8_t kM = 'M';
constexpr int32_t kMaxColours = 256;

// The little-endian unsigned field of `size` bytes at pos of the header.
uint32_t Field(std::span<const uint8_t> bytes, size_t pos, size_t size, const std::string& what) {
    if (pos + size > bytes.size()) throw OptError(what + " is truncated: its bitmap header ends early.");
    uint32_t v = 0;
    for (size_t i = size; i-- > 0;) v = (v << 8) | bytes[pos + i];
    return v;
}

}  // namespace

std::optional<IndexedBmp> ReadIndexedBmp(std::span<const uint8_t> bytes, const std::string& what,
                                         int32_t maxSide) {
    if (bytes.size() < 2 || bytes[0] != kB || bytes[1] != kM) return std::nullopt;
    const uint32_t pixelOffset = Field(bytes, 10, 4, what);
    const uint32_t infoSize = Field(bytes, 14, 4, what);
    if (infoSize < static_cast<uint32_t>(kBmpInfoHeaderBytes)) return std::nullopt;  // an old OS/2 header
    const auto width = static_cast<int32_t>(Field(bytes, 18, 4, what));
    const auto height = static_cast<int32_t>(Field(bytes, 22, 4, what));
    const uint32_t bits = Field(bytes, 28, 2, what);
    const uint32_t compression = Field(bytes, 30, 4, what);
    const uint32_t used = Field(bytes, 46, 4, what);
    if (bits != 8 || compression != 0) return std::nullopt;

    // A negative height stores the rows top-down.
    const int64_t rows = std::llabs(int64_t{height});
    if (width < 1 || rows < 1 || width > maxSide || rows > maxSide) {
        throw OptError(what + " is " + std::to_string(width) + " x " + std::to_string(rows) +
                       " pixels: a side must be 1 to " + std::to_string(maxSide) + ".");
    }
    const int64_t colours = used == 0 ? kMaxColours : std::min<int64_t>(used, kMaxColours);
    const int64_t tablePos = kBmpFileHeaderBytes + int64_t{infoSize};
    const int64_t stride = BmpStride(width);
    const auto length = static_cast<int64_t>(bytes.size());
    // The last row needs only its pixels, not its padding.
    if (tablePos + colours * 4 > length || int64_t{pixelOffset} + stride * (rows - 1) + width > length) {
        throw OptError(what + " is truncated: it holds " + std::to_string(length) +
                       " bytes, fewer than its " + std::to_string(width) + " x " + std::to_string(rows) +
                       " pixels need.");
    }

    IndexedBmp bmp;
    bmp.Width = width;
    bmp.Height = static_cast<int32_t>(rows);
    bmp.Palette.assign(bytes.begin() + tablePos, bytes.begin() + tablePos + colours * 4);
    bmp.Indices.resize(static_cast<size_t>(int64_t{width} * rows));
    for (int64_t k = 0; k < rows; ++k) {
        const int64_t stored = height > 0 ? rows - 1 - k : k;  // file row holding picture row k
        const auto from = bytes.begin() + static_cast<std::ptrdiff_t>(pixelOffset + stored * stride);
        std::copy_n(from, width, bmp.Indices.begin() + static_cast<std::ptrdiff_t>(k * width));
    }
    return bmp;
}

}  // namespace opt
