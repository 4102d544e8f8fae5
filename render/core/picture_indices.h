// A picture file turned back into the 8-bit colour indices of a texture. An 8-bit BMP whose colour
// table is the texture's picture palette (the one "Save Bmp" writes) gives its indices as they are,
// so an exported, edited picture comes back exactly, even where the palette holds a colour twice.
// Any other picture (true-colour BMP, PNG, another palette) is decoded and each pixel mapped to the
// nearest colour of a chosen palette: smallest squared RGB distance, lowest index on ties; alpha is
// ignored. A pixel whose colour is still the colour of the texture's present index keeps that index,
// so a picture exported and brought back unchanged changes no byte, even where the palette holds its
// colour twice (the other levels of the slot may tell the two indices apart).
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "render/core/palette_colours.h"

namespace opt {

struct PictureIndices {
    std::vector<uint8_t> Indices;  // Width * Height, top row first
    bool Exact = false;            // the indices were taken from the picture as they are
    int64_t Mapped = 0;            // pixels mapped to a nearest colour (all of them, unless Exact)
    int64_t Inexact = 0;           // of those, pixels whose colour is not in the palette
    int32_t LargestDistanceSquared = 0;
};

// The indices of the picture in `image` (the bytes of a picture file, named `what` in messages) for a
// texture of width x height. `exact` is the palette whose indexed BMP is taken as it is, `nearest`
// the palette other pictures are mapped to; `current` the texture's present indices (width x height,
// or empty when there are none to keep). Throws OptError naming `what` when the picture cannot
// be read, is truncated, has a side above kMaxTextureSide (refused before it is decoded) or is not
// width x height.
PictureIndices PictureToIndices(std::span<const uint8_t> image, const std::string& what, int32_t width,
                                int32_t height, const ColourTable& exact, const ColourTable& nearest,
                                std::span<const uint8_t> current = {});

}  // namespace opt
