// PNG encoding of RGB8 pictures (stb_image_write), rows in the order given: the first row is the
// image's top row.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace opt {

// The PNG bytes of a width x height RGB8 picture; empty when it cannot be encoded.
std::vector<uint8_t> EncodePng(int32_t width, int32_t height, std::span<const uint8_t> rgb);

// Appends the PNG bytes of the picture to out (a glTF buffer takes them in place); false, and out
// unchanged, when it cannot be encoded.
bool AppendPng(int32_t width, int32_t height, std::span<const uint8_t> rgb, std::vector<uint8_t>& out);

}  // namespace opt
