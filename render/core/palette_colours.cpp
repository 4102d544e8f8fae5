#include "render/core/palette_colours.h"

namespace opt {

int PaletteNumber(int32_t paletteSet, int level) {
    return static_cast<int>(static_cast<int64_t>(paletteSet) * kPalettesPerSlot + level);
}

ColourTable SetPalette(const ModelStore& store, int p) {
    ColourTable t;
    if (p < 0 || p >= static_cast<int>(store.Palettes.size())) return t;
    const auto& planes = store.Palettes[static_cast<size_t>(p)];
    for (size_t i = 0; i < kPaletteEntries; ++i) {
        const uint8_t r = planes[0][i], g = planes[1][i], b = planes[2][i];
        t.GLPalette[i * 3 + 0] = r;
        t.GLPalette[i * 3 + 1] = g;
        t.GLPalette[i * 3 + 2] = b;
        t.BmpPalette[i * 4 + 0] = b;
        t.BmpPalette[i * 4 + 1] = g;
        t.BmpPalette[i * 4 + 2] = r;
        t.BmpPalette[i * 4 + 3] = 0;
    }
    return t;
}

std::vector<uint8_t> ExpandToRgb8(std::span<const uint8_t> indices, const ColourTable& colours) {
    std::vector<uint8_t> rgb(indices.size() * 3);
    for (size_t i = 0; i < indices.size(); ++i) {
        const size_t e = size_t{indices[i]} * 3;
        rgb[i * 3 + 0] = colours.GLPalette[e + 0];
        rgb[i * 3 + 1] = colours.GLPalette[e + 1];
        rgb[i * 3 + 2] = colours.GLPalette[e + 2];
    }
    return rgb;
}

}  // namespace opt
