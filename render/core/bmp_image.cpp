#include "render/core/bmp_image.h"

#include <algorithm>
#include <span>

#include "model/bytes.h"

namespace opt {

namespace {

constexpr uint16_t kBmpType = 0x4D42;  // "BM"
constexpr uint16_t kPlanes = 1;
constexpr uint16_t kBitsPerPixel = 8;

void Put16(std::span<uint8_t> out, size_t pos, uint16_t v) {
    out[pos] = static_cast<uint8_t>(v);
    out[pos + 1] = static_cast<uint8_t>(v >> 8);
}

}  // namespace

int32_t BmpStride(int32_t width) { return width % 4 == 0 ? width : (width & ~3) + 4; }

std::vector<uint8_t> MakeBmp(const TexturePixels& pixels, const ColourTable& colours) {
    // Sides that do not match the indices held (a hand-made TexturePixels) give an empty picture.
    const bool whole = pixels.Width > 0 && pixels.Height > 0 &&
                       pixels.Indices.size() == static_cast<size_t>(int64_t{pixels.Width} * pixels.Height);
    const int32_t w = whole ? pixels.Width : 0;
    const int32_t h = whole ? pixels.Height : 0;
    const size_t stride = static_cast<size_t>(BmpStride(w));
    const size_t body = stride * static_cast<size_t>(h);
    std::vector<uint8_t> bmp(kBmpPixelOffset + body, 0);
    const std::span<uint8_t> out(bmp);

    // File header.
    Put16(out, 0, kBmpType);
    write_at<int32_t>(out, 2, static_cast<int32_t>(bmp.size()));
    write_at<int32_t>(out, 10, kBmpPixelOffset);  // reserved words at 6 and 8 stay 0
    // Info header; compression, image size, resolutions and colour counts stay 0.
    write_at<int32_t>(out, 14, kBmpInfoHeaderBytes);
    write_at<int32_t>(out, 18, w);
    write_at<int32_t>(out, 22, h);  // positive: rows bottom-up
    Put16(out, 26, kPlanes);
    Put16(out, 28, kBitsPerPixel);
    std::copy(colours.BmpPalette.begin(), colours.BmpPalette.end(),
              bmp.begin() + kBmpFileHeaderBytes + kBmpInfoHeaderBytes);

    // Stored row k (top first) becomes BMP row h - 1 - k, so the picture shows the right way up.
    const size_t width = static_cast<size_t>(w);
    for (size_t k = 0; k < static_cast<size_t>(h); ++k) {
        const size_t row = static_cast<size_t>(h) - 1 - k;
        std::copy_n(pixels.Indices.begin() + static_cast<std::ptrdiff_t>(k * width), width,
                    bmp.begin() + static_cast<std::ptrdiff_t>(kBmpPixelOffset + row * stride));
    }
    return bmp;
}

std::string BmpSizeText(const TextureRecord& t) {
    return "Width= " + std::to_string(t.Width) + " Height= " + std::to_string(t.Height);
}

}  // namespace opt
