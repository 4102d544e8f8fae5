// Colour tables of one palette of the store, in the two layouts the textures need: RGB triples for
// the GL colour table and blue, green, red, 0 quads for the BMP colour table.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "model/store.h"

namespace opt {

// Palette levels inside a slot: the GL upload uses 6, the control panel's picture 7.
inline constexpr int kGLPaletteLevel = 6;
inline constexpr int kPreviewPaletteLevel = 7;

// Palette number of a level of a slot: 16 * set + level.
int PaletteNumber(int32_t paletteSet, int level);

struct ColourTable {
    std::array<uint8_t, kPaletteEntries * 3> GLPalette{};   // entry i: red, green, blue
    std::array<uint8_t, kPaletteEntries * 4> BmpPalette{};  // entry i: blue, green, red, 0
};

// Fills both tables from palette p of the store. A palette number outside the store (a slot
// number out of range in a damaged file) gives an all-black table.
ColourTable SetPalette(const ModelStore& store, int p);

// Expands 8-bit colour indices through the GL colour table into RGB8 texels, for drivers without
// GL_EXT_paletted_texture: the same picture as the paletted upload.
std::vector<uint8_t> ExpandToRgb8(std::span<const uint8_t> indices, const ColourTable& colours);

}  // namespace opt
