// The in-memory BMP image of one texture: an 8-bit, 256-colour, bottom-up Windows bitmap that the
// control panel shows and "Save Bmp" writes.
//
// Layout (little-endian): 14-byte file header ("BM", file size, 0, 0, 1078), 40-byte info header
// (40, width, height, 1 plane, 8 bits, no compression, then five zero words), the 1024-byte
// BmpPalette, then the rows: the texture's last stored row first, each row padded with zeros to a
// stride that is a multiple of 4.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/store.h"
#include "render/core/palette_colours.h"
#include "render/core/texture_pixels.h"

namespace opt {

inline constexpr int32_t kBmpFileHeaderBytes = 14;
inline constexpr int32_t kBmpInfoHeaderBytes = 40;
inline constexpr int32_t kBmpPixelOffset = kBmpFileHeaderBytes + kBmpInfoHeaderBytes + kPaletteEntries * 4;

// Row length in the BMP: the width rounded up to a multiple of 4 (10 gives 12).
int32_t BmpStride(int32_t width);

// The whole BMP file image of the pixels with the colour table's BmpPalette.
std::vector<uint8_t> MakeBmp(const TexturePixels& pixels, const ColourTable& colours);

// Control panel status text of the texture shown: "Width= " + w + " Height= " + h.
std::string BmpSizeText(const TextureRecord& t);

}  // namespace opt
