// Weapon-type names of hardpoints by HP_Type; codes outside 0..31 have the empty name.
#pragma once

#include <cstdint>
#include <string_view>

namespace opt {

inline constexpr int kHardpointTypeNames = 32;
std::string_view TypeName(int32_t code);

}  // namespace opt
