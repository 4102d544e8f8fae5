// Our own reader of the picture "Save Bmp" writes: an uncompressed 8-bit Windows bitmap with a colour
// table. A general decoder expands the indices to colours and loses them (two equal colours of a
// palette become one); this reader keeps them. Every read is bounds-checked.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace opt {

struct IndexedBmp {
    int32_t Width = 0;
    int32_t Height = 0;
    std::vector<uint8_t> Palette;  // the colour table as stored: blue, green, red, reserved per entry
    std::vector<uint8_t> Indices;  // Width * Height, top row first (the order the texture stores)
};

// The picture when the bytes are an uncompressed 8-bit bitmap; nothing when they are another kind
// of picture (another depth, compression, not a BMP). Throws OptError naming `what` when they claim
// to be one but are truncated or damaged, or when a side is not 1 .. maxSide (checked before any
// pixel is read).
std::optional<IndexedBmp> ReadIndexedBmp(std::span<const uint8_t> bytes, const std::string& what,
                                         int32_t maxSide);

}  // namespace opt
