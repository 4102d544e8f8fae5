// The exported frame: metres, with OPT's height axis up. OPT (x, y, z) becomes (x, z, -y), a
// rotation about x (no mirror image): the model's length y runs along -z, its height z along +y.
#pragma once

#include <array>

#include "render/core/view_state.h"

namespace opt {

inline std::array<float, 3> ExportedDirection(float x, float y, float z) { return {x, z, 0.0f - y}; }

inline std::array<float, 3> ExportedPosition(float x, float y, float z) {
    const auto metres = [](float v) { return static_cast<float>(v / kUnitsPerMeter); };
    return ExportedDirection(metres(x), metres(y), metres(z));
}

}  // namespace opt
