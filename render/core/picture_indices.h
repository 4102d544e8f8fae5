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

// A picture as read from its file. An uncompressed 8-bit BMP keeps its indices and colour table, so
// that one holding the texture's picture palette gives its indices as they are; any other picture is
// decoded to its colours.
struct DecodedPicture {
    std::string Name;  // how messages name the picture (its file)
    int32_t Width = 0;
    int32_t Height = 0;
    bool Indexed = false;          // an 8-bit BMP: Indices and Palette hold it; otherwise Rgb does
    std::vector<uint8_t> Indices;  // an 8-bit BMP's indices, Width * Height, top row first
    std::vector<uint8_t> Palette;  // its colour table as stored: blue, green, red, reserved per entry
    std::vector<uint8_t> Rgb;      // any other picture's colours, Width * Height * 3, top row first
};

// Decodes the bytes of a picture file, named `what` in messages. Throws OptError naming it when the
// picture cannot be read, is truncated, or has a side outside 1 .. kMaxTextureSide (refused from its
// header, before it is decoded).
DecodedPicture DecodePicture(std::span<const uint8_t> image, const std::string& what);

// The indices of the picture for a texture of width x height. `exact` is the palette whose indexed
// BMP is taken as it is, `nearest` the palette other pictures are mapped to; `current` the texture's
// present indices (width x height, or empty when there are none to keep). Throws OptError naming the
// picture when it is not width x height, its pixels are not as many as its sides say, or a BMP's
// pixel names a colour its table lacks.
PictureIndices PictureToIndices(const DecodedPicture& picture, int32_t width, int32_t height,
                                const ColourTable& exact, const ColourTable& nearest,
                                std::span<const uint8_t> current = {});

}  // namespace opt
