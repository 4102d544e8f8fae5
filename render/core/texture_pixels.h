// The 8-bit colour indices of one texture, fetched from the model file: Size bytes at the texture
// record's Data_Offset + 24. The result always holds Width x Height indices, so the GL upload and
// the BMP rows never read past what the file supplied: pixels beyond Size or beyond the end of the
// file are index 0.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "model/store.h"

namespace opt {

// Sides above this (or below 1) make a texture unusable: it yields no pixels, so a damaged record
// cannot ask for gigabytes.
inline constexpr int32_t kMaxTextureSide = 8192;

struct TexturePixels {
    int32_t Width = 0;  // 0 x 0 when the record's sides are unusable
    int32_t Height = 0;
    std::vector<uint8_t> Indices;  // Width * Height, rows as stored (top row first)
};

// Whether the record's Width and Height can be used for a picture.
bool UsableTextureSides(const TextureRecord& t);

// Pixels from the bytes that the file holds for the texture, starting at its first pixel (at most
// Size bytes are used).
TexturePixels PixelsFromRun(std::span<const uint8_t> run, const TextureRecord& t);

// Pixels of texture record t from a whole model file in memory.
TexturePixels FetchTexturePixels(std::span<const uint8_t> file, const TextureRecord& t);

// Pixels of texture record t, read from the model file by name (opened for this read only).
// Throws OptError("Cannot open file <path>") when it cannot be opened.
TexturePixels ReadTexturePixels(const std::string& modelPath, const TextureRecord& t);

}  // namespace opt
