#include "render/core/picture_indices.h"

#include <stb_image.h>

#include <algorithm>
#include <limits>
#include <memory>
#include <unordered_map>

#include "model/errors.h"
#include "render/core/indexed_bmp.h"
#include "render/core/texture_pixels.h"

namespace opt {

namespace {

constexpr int kRgb = 3;

std::string SidesText(int64_t w, int64_t h) { return std::to_string(w) + " x " + std::to_string(h); }

void CheckSideLimit(const std::string& what, int64_t w, int64_t h) {
    if (w < 1 || h < 1 || w > kMaxTextureSide || h > kMaxTextureSide) {
        throw OptError(what + " is " + SidesText(w, h) + " pixels: a side must be 1 to " +
                       std::to_string(kMaxTextureSide) + ".");
    }
}

void CheckSides(const std::string& what, int64_t w, int64_t h, int32_t width, int32_t height) {
    CheckSideLimit(what, w, h);
    if (w != width || h != height) {
        throw OptError(what + " is " + SidesText(w, h) + " pixels; the texture is " +
                       SidesText(width, height) + ". The picture must have the texture's size.");
    }
}

// Maps RGB pixels to the nearest entries of the palette, remembering each colour met.
class NearestColours {
public:
    explicit NearestColours(const ColourTable& palette) : palette_(palette) {}

    // current: the present indices, kept where their colour is the pixel's (empty: none to keep).
    void Map(std::span<const uint8_t> rgb, std::span<const uint8_t> current, PictureIndices& out) {
        const size_t count = rgb.size() / kRgb;
        out.Indices.resize(count);
        for (size_t i = 0; i < count; ++i) {
            const uint8_t* pixel = &rgb[i * kRgb];
            if (current.size() == count && SameColour(pixel, current[i])) {
                out.Indices[i] = current[i];
                continue;
            }
            const auto [index, distance] = Nearest(pixel[0], pixel[1], pixel[2]);
            out.Indices[i] = index;
            if (distance > 0) ++out.Inexact;
            out.LargestDistanceSquared = std::max(out.LargestDistanceSquared, distance);
        }
        out.Mapped = static_cast<int64_t>(count);
    }

private:
    bool SameColour(const uint8_t* pixel, uint8_t index) const {
        const auto* c = &palette_.GLPalette[static_cast<size_t>(index) * kRgb];
        return pixel[0] == c[0] && pixel[1] == c[1] && pixel[2] == c[2];
    }
    std::pair<uint8_t, int32_t> Nearest(uint8_t r, uint8_t g, uint8_t b) {
        const uint32_t key = (uint32_t{r} << 16) | (uint32_t{g} << 8) | b;
        if (const auto found = known_.find(key); found != known_.end()) return found->second;
        std::pair<uint8_t, int32_t> best{0, std::numeric_limits<int32_t>::max()};
        for (int e = 0; e < kPaletteEntries; ++e) {
            const auto* c = &palette_.GLPalette[static_cast<size_t>(e) * kRgb];
            const int32_t dr = r - c[0], dg = g - c[1], db = b - c[2];
            const int32_t d = dr * dr + dg * dg + db * db;
            if (d < best.second) best = {static_cast<uint8_t>(e), d};  // strict: the lowest index wins ties
        }
        known_.emplace(key, best);
        return best;
    }

    const ColourTable& palette_;
    std::unordered_map<uint32_t, std::pair<uint8_t, int32_t>> known_;
};

// Whether the BMP's colour table holds the palette's 256 colours (the reserved byte is not compared:
// painting programs write it as they like).
bool SamePalette(const DecodedPicture& bmp, const ColourTable& palette) {
    if (bmp.Palette.size() != palette.BmpPalette.size()) return false;
    for (size_t i = 0; i < bmp.Palette.size(); ++i)
        if (i % 4 != 3 && bmp.Palette[i] != palette.BmpPalette[i]) return false;
    return true;
}

// The BMP's pixels as RGB through its own colour table.
std::vector<uint8_t> BmpColours(const DecodedPicture& bmp) {
    const std::string& what = bmp.Name;
    const size_t entries = bmp.Palette.size() / 4;
    std::vector<uint8_t> rgb(bmp.Indices.size() * kRgb);
    for (size_t i = 0; i < bmp.Indices.size(); ++i) {
        const size_t e = bmp.Indices[i];
        if (e >= entries) {
            throw OptError(what + " uses colour " + std::to_string(e) + " but its colour table holds " +
                           std::to_string(entries) + " colours.");
        }
        rgb[i * kRgb + 0] = bmp.Palette[e * 4 + 2];
        rgb[i * kRgb + 1] = bmp.Palette[e * 4 + 1];
        rgb[i * kRgb + 2] = bmp.Palette[e * 4 + 0];
    }
    return rgb;
}

// Any other picture through stb_image: its size is checked from the header before it is decoded.
std::vector<uint8_t> DecodedColours(std::span<const uint8_t> image, const std::string& what, int& w, int& h) {
    const auto length = static_cast<int>(std::min<size_t>(image.size(), std::numeric_limits<int>::max()));
    int channels = 0;
    if (stbi_info_from_memory(image.data(), length, &w, &h, &channels) == 0) {
        throw OptError(what + " is not a picture that can be read (a BMP or PNG): " +
                       std::string(stbi_failure_reason()) + ".");
    }
    CheckSideLimit(what, w, h);
    const int headerW = w, headerH = h;
    const std::unique_ptr<stbi_uc, void (*)(void*)> pixels(
        stbi_load_from_memory(image.data(), length, &w, &h, &channels, kRgb), stbi_image_free);
    if (!pixels || w != headerW || h != headerH) {
        throw OptError(what + " could not be decoded (truncated or damaged): " +
                       std::string(pixels ? "size changed" : stbi_failure_reason()) + ".");
    }
    const size_t bytes = static_cast<size_t>(w) * static_cast<size_t>(h) * kRgb;
    return {pixels.get(), pixels.get() + bytes};
}

}  // namespace

DecodedPicture DecodePicture(std::span<const uint8_t> image, const std::string& what) {
    DecodedPicture picture;
    picture.Name = what;
    if (auto bmp = ReadIndexedBmp(image, what, kMaxTextureSide)) {
        CheckSideLimit(what, bmp->Width, bmp->Height);
        picture.Width = bmp->Width;
        picture.Height = bmp->Height;
        picture.Indexed = true;
        picture.Indices = std::move(bmp->Indices);
        picture.Palette = std::move(bmp->Palette);
        return picture;
    }
    int w = 0, h = 0;
    picture.Rgb = DecodedColours(image, what, w, h);
    picture.Width = w;
    picture.Height = h;
    return picture;
}

PictureIndices PictureToIndices(const DecodedPicture& picture, int32_t width, int32_t height,
                                const ColourTable& exact, const ColourTable& nearest,
                                std::span<const uint8_t> current) {
    CheckSides(picture.Name, picture.Width, picture.Height, width, height);
    const size_t pixels = static_cast<size_t>(width) * static_cast<size_t>(height);
    if ((picture.Indexed ? picture.Indices.size() : picture.Rgb.size() / kRgb) != pixels ||
        (!picture.Indexed && picture.Rgb.size() % kRgb != 0)) {
        throw OptError(picture.Name + " does not hold the " + SidesText(width, height) +
                       " pixels its sides name.");
    }
    PictureIndices out;
    std::vector<uint8_t> colours;
    const std::vector<uint8_t>* rgb = &picture.Rgb;
    if (picture.Indexed) {
        if (SamePalette(picture, exact)) {
            out.Indices = picture.Indices;
            out.Exact = true;
            return out;
        }
        colours = BmpColours(picture);
        rgb = &colours;
    }
    NearestColours(nearest).Map(*rgb, current, out);
    return out;
}

}  // namespace opt
