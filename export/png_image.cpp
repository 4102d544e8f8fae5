#include "export/png_image.h"

#include <stb/stb_image_write.h>

namespace opt {

bool AppendPng(int32_t width, int32_t height, std::span<const uint8_t> rgb, std::vector<uint8_t>& out) {
    if (width <= 0 || height <= 0 ||
        rgb.size() < static_cast<size_t>(width) * static_cast<size_t>(height) * 3)
        return false;
    const size_t before = out.size();
    const auto append = [](void* context, void* data, int size) {
        auto* to = static_cast<std::vector<uint8_t>*>(context);
        const auto* bytes = static_cast<const uint8_t*>(data);
        to->insert(to->end(), bytes, bytes + size);
    };
    if (stbi_write_png_to_func(append, &out, width, height, 3, rgb.data(), width * 3) != 0) return true;
    out.resize(before);
    return false;
}

std::vector<uint8_t> EncodePng(int32_t width, int32_t height, std::span<const uint8_t> rgb) {
    std::vector<uint8_t> png;
    AppendPng(width, height, rgb, png);
    return png;
}

}  // namespace opt
