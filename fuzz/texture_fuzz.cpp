// libFuzzer target: every texture the reader kept from arbitrary bytes, as the GL upload, the control
// panel's picture, "Save Bmp" and "Save Pals" would use it (all in memory). Pixels must be exactly
// the file's bytes up to Size and the end of the file, 0 after; images must have the sizes their
// headers state.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

#include "fuzz/fuzz_support.h"
#include "model/bytes.h"
#include "render/core/bmp_image.h"
#include "render/core/image_export.h"
#include "render/core/palette_colours.h"
#include "render/core/texture_load.h"
#include "render/core/texture_pixels.h"

namespace {

constexpr int64_t kLargestFuzzedPicture = 256 * 256;

void CheckPixels(std::span<const uint8_t> image, const opt::TextureRecord& t, const opt::TexturePixels& px) {
    if (!opt::UsableTextureSides(t)) {
        fuzz::Require(px.Width == 0 && px.Height == 0 && px.Indices.empty(),
                      "unusable sides give no picture");
        return;
    }
    const int64_t count = int64_t{t.Width} * t.Height;
    fuzz::Require(px.Width == t.Width && px.Height == t.Height && int64_t(px.Indices.size()) == count,
                  "pixels hold Width x Height indices");
    // The first pixel lies at Data_Offset + 24; at most Size bytes, and only bytes inside the file.
    const int64_t first = int64_t{t.Data_Offset} + opt::kHeaderBytes;
    const int64_t inFile = first >= 0 && first < int64_t(image.size()) ? int64_t(image.size()) - first : 0;
    const int64_t taken = std::min({count, std::max<int64_t>(t.Size, 0), inFile});
    for (int64_t i = 0; i < count; ++i) {
        const uint8_t want = i < taken ? image[size_t(first + i)] : 0;
        fuzz::Require(px.Indices[size_t(i)] == want, "pixels are the file's bytes, then 0");
    }
}

void CheckBmp(const opt::TexturePixels& px, const std::vector<uint8_t>& bmp) {
    const int64_t size = opt::kBmpPixelOffset + int64_t{opt::BmpStride(px.Width)} * px.Height;
    fuzz::Require(int64_t(bmp.size()) == size, "BMP holds its header, palette and padded rows");
    const auto stated = opt::read_at<int32_t>(std::span<const uint8_t>(bmp), 2);
    fuzz::Require(stated && *stated == size, "BMP file header states the BMP's size");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> image(data, size);
    auto& store = fuzz::LoadInput(image);
    // Every kept texture record, whether or not the texture list names it.
    for (int r = 0; r < fuzz::Kept(store, opt::kCountTextures, store.ttx.Textures.Size()); ++r) {
        const opt::TextureRecord& t = store.ttx.Textures[r];
        // Pictures of up to 8192 x 8192 are allowed; the big ones take the same path as the small
        // ones but would slow the campaign a hundredfold.
        if (int64_t{t.Width} * t.Height > kLargestFuzzedPicture) continue;
        const opt::TexturePixels px = opt::FetchTexturePixels(image, t);
        CheckPixels(image, t, px);
        const auto gl = opt::SetPalette(store, opt::UploadPaletteNumber(store, r));
        fuzz::Require(opt::ExpandToRgb8(px.Indices, gl).size() == px.Indices.size() * 3, "RGB upload size");
        CheckBmp(px, opt::MakeBmp(px, opt::SetPalette(store, opt::PreviewPaletteNumber(store, r))));
    }
    for (const auto& entry : opt::TextureUploadList(store))
        fuzz::Require(store.ttx.Textures.InRange(entry.Record), "upload list names kept records");
    // "Save Pals": one palette per used slot, whatever the slot numbers say.
    for (int j = 0; j < opt::UsedPaletteSlots(store); ++j)
        (void)opt::PalBytes(store, opt::PaletteNumber(j, opt::kSavedPaletteLevel));
    return 0;
}
