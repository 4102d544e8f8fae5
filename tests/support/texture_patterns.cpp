// Pixel patterns: deterministic, row after row, one palette index per pixel.
#include "tests/support/texture_patterns.h"

#include <cstdlib>

namespace optb {
namespace {

template <class Pixel>
Texture make_texture(const std::string& name, int palette, int width, int height, Pixel pixel) {
    Texture t{.name = name, .palette = palette, .width = width, .height = height};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) t.pixels.push_back(static_cast<uint8_t>(pixel(x, y)));
    }
    return t;
}

}  // namespace

Texture panel_texture(const std::string& name, int palette, int width, int height) {
    return make_texture(name, palette, width, height, [](int x, int y) {
        const bool seam_x = x % 8 == 0, seam_y = y % 8 == 0;
        if (seam_x && seam_y) return 250;
        if (seam_x || seam_y) return 60;
        return 150 + 4 * ((x + y) % 5);
    });
}

Texture stripe_texture(const std::string& name, int palette, int width, int height) {
    return make_texture(name, palette, width, height, [width](int x, int y) {
        if (std::abs(x - width / 2) == y) return 20;  // chevron
        return (y / 2) % 2 == 0 ? 230 : 110;
    });
}

Texture checker_texture(const std::string& name, int palette, int size, int seed) {
    const int light = 128 + (seed * 37) % 120, dark = 16 + (seed * 11) % 80;
    return make_texture(name, palette, size, size,
                        [=](int x, int y) { return (x / 2 + y / 2) % 2 ? light : dark; });
}

}  // namespace optb
