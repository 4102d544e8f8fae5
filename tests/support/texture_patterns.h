// Paletted pixel patterns for the sample models' textures (indices into a ramp palette, where a
// higher index is brighter).
#pragma once

#include <string>

#include "tests/support/opt_builder.h"

namespace optb {

// Hull plating: mid-grey panels with dark seams every 8 pixels and bright rivets at the crossings.
Texture panel_texture(const std::string& name, int palette, int width, int height);
// Wing markings: bright and dark bands across the rows with a dark chevron.
Texture stripe_texture(const std::string& name, int palette, int width, int height);
// A checkerboard of two shades chosen by seed.
Texture checker_texture(const std::string& name, int palette, int size, int seed);

}  // namespace optb
