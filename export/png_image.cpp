#include "export/png_image.h"

#include <stb/stb_image_write.h>

namespace opt {

std::vector<uint8_t> EncodePng(int32_t width, int32_t height, std::span<const uint8_t> rgb) {
    std::vector<uint8_t> png;
    if (width <= 0 || height <= 0 ||
        rgb.size() < static_cast<size_t>(width) * static_cast<size_t>(height) * 3)
        return png;
    const auto append = [](void* context, void* data, int size) {
        auto* out = static_cast<std::vector<uint8_t>*>(context);
        const auto* bytes = static_cast<const uint8_t*>(data);
        out->insert(out->end(), bytes, bytes + size);
    };
    if (stbi_write_png_to_func(append, &png, width, height, 3, rgb.data(), width * 3) == 0) png.clear();
    return png;
}

}  // namespace opt
