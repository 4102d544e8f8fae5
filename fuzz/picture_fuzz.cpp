// libFuzzer target: a picture brought back over a texture (texture import), from arbitrary bytes.
// The first byte chooses the picture: the bytes as they are (any BMP or PNG decoder path), or an
// 8-bit BMP as "Save Bmp" writes it whose header and colour table are then damaged by the input.
// A picture is either refused with a message or gives exactly Width x Height indices.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "model/errors.h"
#include "render/core/bmp_image.h"
#include "render/core/palette_colours.h"
#include "render/core/picture_indices.h"
#include "render/core/texture_pixels.h"

namespace {

// A palette with repeated colours, so both the exact and the nearest-colour paths have ties.
opt::ColourTable RampPalette() {
    opt::ColourTable t;
    for (int i = 0; i < opt::kPaletteEntries; ++i) {
        const auto v = static_cast<uint8_t>((i / 2) * 2);
        for (int c = 0; c < 3; ++c) t.GLPalette[size_t(i) * 3 + size_t(c)] = static_cast<uint8_t>(v + c);
        for (int c = 0; c < 3; ++c) t.BmpPalette[size_t(i) * 4 + size_t(c)] = static_cast<uint8_t>(v + 2 - c);
    }
    return t;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3) return 0;
    static const opt::ColourTable palette = RampPalette();
    const int32_t width = 1 + data[1] % 40;
    const int32_t height = 1 + data[2] % 40;
    const std::span<const uint8_t> rest(data + 3, size - 3);
    std::vector<uint8_t> picture(rest.begin(), rest.end());
    if (data[0] & 1) {
        // A well-formed picture of the expected size, then the input's bytes written over its start.
        opt::TexturePixels px;
        px.Width = width;
        px.Height = height;
        px.Indices.assign(size_t(width) * size_t(height), 0);
        for (size_t i = 0; i < px.Indices.size() && i < rest.size(); ++i) px.Indices[i] = rest[i];
        picture = opt::MakeBmp(px, palette);
        const size_t damaged = std::min<size_t>(rest.size(), data[0] >> 1);
        for (size_t i = 0; i < damaged; ++i) picture[(i * 7) % picture.size()] ^= rest[i];
    }
    try {
        const opt::PictureIndices r =
            opt::PictureToIndices(opt::DecodePicture(picture, "picture"), width, height, palette, palette);
        fuzz::Require(r.Indices.size() == size_t(width) * size_t(height),
                      "a picture gives Width x Height indices");
        fuzz::Require(r.Exact ? r.Mapped == 0 : r.Mapped == int64_t(r.Indices.size()),
                      "a picture is taken exactly or mapped whole");
        fuzz::Require(r.Inexact <= r.Mapped && r.LargestDistanceSquared >= 0, "mapping counts agree");
    } catch (const opt::OptError&) {
        // Refused with a message: the import writes nothing.
    }
    return 0;
}
